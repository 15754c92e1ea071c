#include "cycle/InnGenerator.h"

#include <algorithm>

#include "core/TableText.h"
#include "generators/PatronDetails.h"
#include "generators/Rooms.h"
#include "generators/Scenes.h"

namespace brewick {

namespace {
InnSheet sheetWithRoomHeadings()
{
    InnSheet sheet;
    writeRoomHeadings(sheet.rooms);
    return sheet;
}
}  // namespace

InnGenerator::InnGenerator(RandomSource& random, const WordListFile& sceneFile)
    : random_(random),
      sheet_(sheetWithRoomHeadings())
{
    rebuildSceneList(sceneFile);
}

void InnGenerator::generate()
{
    if (!parts_.anyTicked())
        return;
    ++generations_;
    const auto ticked = [this](InnPart part) { return parts_.isTicked(InnPart::All) || parts_.isTicked(part); };
    if (parts_.isTicked(InnPart::All)) {
        sheet_.notes.clear();  // a whole new inn: the notes were on the one before
        selectQuality(static_cast<InnQuality>(random_.randomIndex(kQualityCount)));
        selectLocation(static_cast<InnLocation>(random_.randomIndex(kLocationCount)));
    }
    if (ticked(InnPart::InnName))
        makeInnName(sheet_, wordLists_, random_);
    if (ticked(InnPart::Landlord))
        makeLandlordName(sheet_, wordLists_, random_);
    if (ticked(InnPart::Menu))
        makeMenu(sheet_, wordLists_, random_);
    if (ticked(InnPart::Rooms))
        drawRooms(sheet_, random_);
    if (ticked(InnPart::Scene))
        drawBarScene(sheet_, sceneList_, random_);
    if (ticked(InnPart::Tables)) {
        drawTables(sheet_, wordLists_, random_);
        showChosenTable(sheet_);
    }
}

void InnGenerator::selectLocation(InnLocation location)
{
    if (location == sheet_.location)
        return;
    sheet_.location = location;
    priceRooms(sheet_);
    makeMenu(sheet_, wordLists_, random_);
}

void InnGenerator::selectQuality(InnQuality quality)
{
    if (quality == sheet_.quality)
        return;
    sheet_.quality = quality;
    priceRooms(sheet_);
}

void InnGenerator::chooseTable(int index)
{
    sheet_.chosenTable = index;
    showChosenTable(sheet_);
}

void InnGenerator::rerollChosenTable()
{
    rerollTable(sheet_, static_cast<std::size_t>(sheet_.chosenTable), wordLists_, random_);
}

bool InnGenerator::rerollChosenTableLine(std::size_t line)
{
    return rerollTableLine(sheet_, static_cast<std::size_t>(sheet_.chosenTable), line, wordLists_, random_);
}

bool InnGenerator::fleshOutChosenPatron(InnPlace place, std::size_t line)
{
    const auto table = static_cast<std::size_t>(sheet_.chosenTable);
    const TableLine chosen = tableLineAt(sheet_, table, line);
    return chosen.role == TableLine::Patron && fleshOutPatron(sheet_, place, table, chosen.patron, wordLists_);
}

bool InnGenerator::fleshOutChosenTable(InnPlace place)
{
    return fleshOutTable(sheet_, place, static_cast<std::size_t>(sheet_.chosenTable), wordLists_);
}

void InnGenerator::fleshOutEveryTable(InnPlace place)
{
    for (std::size_t table = 0; table < sheet_.tableBlocks.size(); ++table)
        fleshOutTable(sheet_, place, table, wordLists_);
}

bool InnGenerator::updateSceneList(const WordListFile& sceneFile)
{
    const WordList& scenes = sceneFile.entries;
    const auto lastFileScenes = sceneList_.begin() + kBuiltInSceneCount;
    if (sceneFile.error == sceneFileError_ &&
        std::equal(scenes.begin(), scenes.end(), lastFileScenes, sceneList_.end()))
        return false;
    rebuildSceneList(sceneFile);
    return true;
}

void InnGenerator::rebuildSceneList(const WordListFile& sceneFile)
{
    buildSceneList(sceneList_, sceneFile.entries, random_);
    sceneFileError_ = sceneFile.error;
}

}  // namespace brewick
