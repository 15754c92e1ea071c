// The program's three windows, created in their order: the main window
// (which runs the start-up sequence), then the about and the closing window,
// both hidden until called for.
#pragma once

#include <filesystem>

#include "ui/TInnIntro.h"
#include "ui/TInnSale.h"
#include "ui/TInnSplash.h"

namespace brewick {

struct BrewickWindows {
    BrewickWindows(std::filesystem::path sceneFile, TInnSale::UrlOpener openUrl)
        : main(std::move(sceneFile)), about(&main), closing(std::move(openUrl), &main)
    {
        main.SetCompanions(&about, &closing);
    }

    TInnIntro main;
    TInnSplash about;
    TInnSale closing;
};

}  // namespace brewick
