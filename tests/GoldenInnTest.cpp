// The saved bytes of the first inns of three seeds, checked by hand once and
// kept in tests/golden: any change to a draw, a word or a line of the sheet
// text anywhere shows up here as a difference.
//
// A change that is meant to alter the inns needs new files, each checked by
// hand again before it replaces the old one:
//   brewick-batch --seed S --count 3 --scenes FILE > tests/golden/seed-S.txt
// with an empty FILE for the seeds that have no scene file.
#include <gtest/gtest.h>

#include "cycle/InnGenerator.h"
#include "files/ListFile.h"
#include "output/formats/InnSheetText.h"
#include "support/TestData.h"

namespace brewick {
namespace {

constexpr int kInnsPerSeed = 3;

std::vector<std::string> crLfLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    for (std::size_t end; !bytes.empty(); bytes.remove_prefix(std::min(end + 2, bytes.size()))) {
        end = bytes.find("\r\n");
        lines.emplace_back(bytes.substr(0, end));
    }
    return lines;
}

TEST(GoldenInns, SavedBytesOfTheFirstInnsOfEachSeed)
{
    struct Row {
        std::uint32_t seed;
        const char* sceneFile;  // nullptr: none
        const char* golden;
    };
    const Row rows[] = {
        // Scenes with numbers of their own, one of them drawn for the third inn.
        {53, "golden/numbered-scenes.txt", "golden/seed-53.txt"},
        // 12:34:56.789 UTC; the first inn stays in the Wealthy Quarter.
        {45296789, nullptr, "golden/seed-45296789.txt"},
        // A Poor Quarter inn with a single table first.
        {137, nullptr, "golden/seed-137.txt"},
    };
    for (const Row& row : rows) {
        LcgRandom random(row.seed);
        const std::filesystem::path sceneFile = row.sceneFile ? test::dataFile(row.sceneFile) : "";
        InnGenerator generator(random, readListFile(sceneFile));
        std::string saved;
        TextLines lines;
        for (int inn = 0; inn < kInnsPerSeed; ++inn) {
            generator.generate();
            buildInnSheetText(generator.sheet(), lines);
            appendCrLfText(lines, saved);
        }
        const std::string expected = test::contents(test::dataFile(row.golden));
        ASSERT_FALSE(expected.empty()) << row.golden;
        EXPECT_TRUE(saved == expected) << row.golden << ", "
                                       << test::firstDifference(crLfLines(expected), crLfLines(saved));
    }
}

}  // namespace
}  // namespace brewick
