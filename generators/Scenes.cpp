#include "generators/Scenes.h"

#include <iterator>

#include "generators/BuiltInScenes.h"

namespace brewick {

namespace {
// With the beans and the toughs between the three runs.
static_assert(std::size(words::kScenesBeforeBeans) + std::size(words::kScenesBeforeToughs) +
                  std::size(words::kScenesAfterToughs) + 2 ==
              kBuiltInSceneCount);
}  // namespace

void buildSceneList(WordList& sceneList, const WordList& fileScenes, RandomSource& random)
{
    sceneList.clear();
    std::string numbered;
    sceneList.appendAll(words::kScenesBeforeBeans);
    joinInto(numbered, {"A patron offers to sell you ", Decimal(random.randomIndex(8) + 2), " magic beans"});
    sceneList.append(numbered);
    sceneList.appendAll(words::kScenesBeforeToughs);
    joinInto(numbered, {Decimal(random.randomIndex(10) + 1), " drunken toughs are picking fights with customers"});
    sceneList.append(numbered);
    sceneList.appendAll(words::kScenesAfterToughs);
    sceneList.appendAll(fileScenes);
}

void drawBarScene(InnSheet& sheet, const WordList& sceneList, RandomSource& random)
{
    sheet.barScene = pickRandom(sceneList, random);
}

}  // namespace brewick
