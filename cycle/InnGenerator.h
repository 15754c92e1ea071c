// The generation cycle: owns the word lists, the part selection and the inn
// sheet, and renews the sheet on "Generate". Windows and the batch tool drive
// it with plain calls; it never shows anything itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/InnSheet.h"
#include "core/PartSelection.h"
#include "core/RandomSource.h"
#include "core/WordList.h"
#include "generators/WordLists.h"

namespace brewick {

class InnGenerator {
public:
    // The start-up sequence: room headings, the word lists in their fixed
    // order, then the scene list (the first two draws of `random`) with the
    // scenes of the user's scene file as it was read.
    InnGenerator(RandomSource& random, const WordListFile& sceneFile);

    const InnSheet& sheet() const { return sheet_; }
    // For the user's edits of the editable sections.
    InnSheet& sheet() { return sheet_; }
    const PartSelection& parts() const { return parts_; }
    const WordList& sceneList() const { return sceneList_; }
    const WordLists& wordLists() const { return wordLists_; }
    // The read error of the scene file that the scene list was built from.
    const std::optional<std::string>& sceneFileError() const { return sceneFileError_; }

    // Ticks or unticks a part; "All" and the six single parts untick each other.
    void setPart(InnPart part, bool ticked) { parts_.set(part, ticked); }

    // One generation with the parts ticked now; with none ticked, nothing
    // happens and no generation is counted. With "All" ticked the notes go
    // too; with single parts the inn keeps them, as it keeps its edits.
    void generate();
    // How many generations ran: the number of the inn made last, from 1.
    std::uint64_t generations() const { return generations_; }

    // The reactions run only when the value really changes: a new location
    // reprices the rooms and remakes the menu, a new quality reprices.
    void selectLocation(InnLocation location);
    void selectQuality(InnQuality quality);

    // The user chose another table: show it.
    void chooseTable(int index);

    // Draws the chosen table again, as a generation draws each table; the
    // other tables stay as they are.
    void rerollChosenTable();
    // Draws the patron on `line` of the chosen table again, or what they are
    // doing on its action line; gives false, drawing nothing, on any other line.
    bool rerollChosenTableLine(std::size_t line);

    // Flesh-outs draw nothing from the generator's source but a stream of
    // their own for each patron of the inn from `place`: the inns Generate
    // makes afterwards are those it makes without them.
    // The patron on `line` of the chosen table; gives false, changing
    // nothing, on any other line and for a patron fleshed out already.
    bool fleshOutChosenPatron(InnPlace place, std::size_t line);
    // Every patron of the chosen table not fleshed out yet; gives whether any was.
    bool fleshOutChosenTable(InnPlace place);
    // Every patron of every table.
    void fleshOutEveryTable(InnPlace place);

    // Rebuilds the scene list when the scene file, read again, gives other
    // scenes or another read error than at the last build; gives whether it
    // did. A rebuild makes the two draws of every build, so a save that
    // changes no scene costs none.
    bool updateSceneList(const WordListFile& sceneFile);

    // The next generation draws from the user's lists, and from the built-in
    // ones where the user has none. Nothing is drawn now, so the inns of a
    // seed stay the same but for the words of the user's lists.
    void useWordLists(const UserWordLists& userLists) { wordLists_ = WordLists(userLists); }

private:
    void rebuildSceneList(const WordListFile& sceneFile);

    RandomSource& random_;
    InnSheet sheet_;
    PartSelection parts_;
    std::uint64_t generations_ = 0;
    WordLists wordLists_;
    WordList sceneList_;
    std::optional<std::string> sceneFileError_;  // of the last build
};

}  // namespace brewick
