// The range of every draw, in order, from start-up through whole cycles: the
// sequence that makes a seed reproduce an inn. Each draw is written as
// {range, answer}; the answers steer the cycle into the case each step names.
#include <gtest/gtest.h>

#include <functional>

#include "cycle/InnGenerator.h"
#include "files/ListFile.h"
#include "support/RecordingRandom.h"
#include "support/TestData.h"

namespace brewick {
namespace {

using Trace = std::vector<std::pair<int, int>>;

Trace join(std::initializer_list<Trace> parts)
{
    Trace all;
    for (const Trace& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Trace repeat(int times, const Trace& part)
{
    Trace all;
    for (int i = 0; i < times; ++i)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Word list sizes, so that each draw says which list it reads.
enum : int {
    kCommonFirsts = 74,
    kCommonSeconds = 74,
    kPairedFirsts = 41,
    kPairedSeconds = 45,
    kOpenings = 79,
    kMiddles = 39,
    kClosings = 105,
    kAges = 52,
    kRaces = 8,
    kOccupations = 54,
    kClothes = 46,
    kHair = 53,
    kFaces = 56,
    kWomensFaces = 54,
    kGroupActions = 51,
    kSingleActions = 32,
    kMainIngredients = 164,
    kMainDishes = 19,
    kPuddingFlavours = 21,
    kPuddings = 10,
    kDrinkNames = 34,
    kDrinks = 14,
    kScenes = 103,  // the hundred built-in scenes and the file's three
};

const Trace kLandlord = {{kOpenings, 0}, {kMiddles, 0}, {kClosings, 0}, {kOpenings, 0}, {kMiddles, 0}, {kClosings, 0}};
const Trace kMainCourse = {{kMainIngredients, 0}, {kMainDishes, 0}};
const Trace kPudding = {{kPuddingFlavours, 0}, {kPuddings, 0}};
const Trace kDrink = {{kDrinkNames, 0}, {kDrinks, 0}};
const Trace kPoorMenu = join({kMainCourse, kPudding});
const Trace kMerchantMenu = join({repeat(3, kMainCourse), repeat(3, kPudding), repeat(4, kDrink)});
const Trace kWealthyMenu = join({repeat(4, kMainCourse), repeat(4, kPudding), repeat(6, kDrink)});
// Age, race, occupation, clothes, then the gender draw and hair and face.
const Trace kWoman = {{kAges, 0}, {kRaces, 0}, {kOccupations, 0}, {kClothes, 0},
                      {101, 25},  {kHair, 0},  {kWomensFaces, 53}};
const Trace kMan = {{kAges, 0}, {kRaces, 0}, {kOccupations, 0}, {kClothes, 0}, {101, 26}, {kHair, 0}, {kFaces, 55}};
const Trace kEmptyTable = {{8, 0}};

TEST(DrawTrace, StartUpAndWholeCyclesDrawInTheirOrder)
{
    struct Step {
        const char* name;
        std::function<void(InnGenerator&)> act;
        Trace trace;
    };
    const auto generate = [](InnGenerator& g) { g.generate(); };
    const auto tickOnly = [](std::vector<InnPart> parts) {
        return [parts](InnGenerator& g) {
            for (int part = 0; part < kInnPartCount; ++part)
                g.setPart(static_cast<InnPart>(part), false);
            for (InnPart part : parts)
                g.setPart(part, true);
            g.generate();
        };
    };
    const Step steps[] = {
        {"start-up: the scene list's beans, then its toughs", nullptr, {{8, 5}, {10, 8}}},
        {"All, with a new location: its menu comes at once, before the name", generate,
         join({{{5, 3}, {4, 3}},  // Fair, Poor Quarter
               kPoorMenu,
               {{101, 36}, {kCommonFirsts, 0}, {kCommonSeconds, 0}},
               kLandlord,
               kPoorMenu,
               {{6, 5}, {9, 8}, {27, 26}},  // beds
               {{kScenes, 102}},
               {{15, 2}},  // three tables
               kEmptyTable,
               {{8, 1}},
               kWoman,
               {{kSingleActions, 31}},
               {{8, 2}},
               kMan,
               kWoman,
               {{kGroupActions, 50}}})},
        {"All, with the same location: one menu", generate,
         join({{{5, 4}, {4, 3}},  // Poor, Poor Quarter again
               {{101, 35}, {kPairedFirsts, 40}, {kPairedSeconds, 44}},
               kLandlord,
               kPoorMenu,
               {{6, 0}, {9, 0}, {27, 0}},
               {{kScenes, 0}},
               {{15, 0}},  // one table
               {{8, 1}},
               kMan,
               {{kSingleActions, 0}}})},
        {"a location chosen by hand remakes the menu for it",
         [](InnGenerator& g) { g.selectLocation(InnLocation::MerchantQuarter); }, kMerchantMenu},
        {"a quality chosen by hand draws nothing", [](InnGenerator& g) { g.selectQuality(InnQuality::Good); }, {}},
        {"the six single parts in their fixed order, without quality and location",
         tickOnly(
             {InnPart::Tables, InnPart::Scene, InnPart::Rooms, InnPart::Menu, InnPart::Landlord, InnPart::InnName}),
         join({{{101, 100}, {kCommonFirsts, 73}, {kCommonSeconds, 73}},
               kLandlord,
               kMerchantMenu,
               {{10, 9}, {11, 10}, {9, 8}},
               {{kScenes, 0}},
               {{15, 0}},  // eleven tables
               repeat(11, kEmptyTable)})},
        {"the Wealthy Quarter's menu and rooms",
         [&](InnGenerator& g) {
             g.selectLocation(InnLocation::WealthyQuarter);
             tickOnly({InnPart::Rooms})(g);
         },
         join({kWealthyMenu, {{12, 11}, {12, 11}, {0, 0}}})},
        {"nothing ticked draws nothing", tickOnly({}), {}},
    };

    std::vector<int> answers;
    for (const Step& step : steps)
        for (const auto& [range, answer] : step.trace)
            answers.push_back(answer);
    test::ScriptedRandom random(answers);
    InnGenerator generator(random, readListFile(test::dataFile("golden/numbered-scenes.txt")));
    std::size_t from = 0;
    for (const Step& step : steps) {
        if (step.act)
            step.act(generator);
        const std::vector<int> drawn(random.ranges.begin() + static_cast<std::ptrdiff_t>(from), random.ranges.end());
        std::vector<int> expected;
        for (const auto& [range, answer] : step.trace)
            expected.push_back(range);
        EXPECT_EQ(drawn, expected) << step.name;
        from = random.ranges.size();
    }
}

}  // namespace
}  // namespace brewick
