// The program's three windows, created in their order: the main window
// (which runs the start-up sequence), then the about and the closing window,
// both hidden until called for.
#pragma once

#include <cstdint>
#include <filesystem>

#include "ui/MainWindow.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/dialogs/ClosingWindow.h"

namespace brewick {

struct BrewickWindows {
    BrewickWindows(std::uint32_t seed, std::filesystem::path sceneFile, ClosingWindow::UrlOpener openUrl,
                   std::filesystem::path wordFolder = {})
        : main(seed, std::move(sceneFile), std::move(wordFolder)),
          about(&main),
          closing(std::move(openUrl), &main)
    {
        main.setCompanions(&about, &closing);
    }

    MainWindow main;
    AboutWindow about;
    ClosingWindow closing;
};

}  // namespace brewick
