// Bar scenes: the built-in scenes plus the lines of the user's scene file,
// and the one scene drawn for the inn.
#pragma once

#include <cstddef>

#include "core/InnSheet.h"
#include "core/RandomSource.h"
#include "core/WordList.h"

namespace brewick {

// The scene list starts with these; the scene file's scenes follow.
inline constexpr std::size_t kBuiltInSceneCount = 100;

// Rebuilds the scene list: the built-in scenes (two draws, for the number of
// magic beans and then of drunken toughs), then the scenes of the user's file.
void buildSceneList(WordList& sceneList, const WordList& fileScenes, RandomSource& random);

// Replaces the bar scene by one drawn from the scene list.
void drawBarScene(InnSheet& sheet, const WordList& sceneList, RandomSource& random);

}  // namespace brewick
