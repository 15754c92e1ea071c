#include "cycle/InnGenerator.h"

#include <algorithm>

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

InnGenerator::InnGenerator(RandomSource& random, std::filesystem::path sceneFile,
                           const ErrorSink& reportError)
    : random_(random), sceneFile_(std::move(sceneFile)), sheet_(sheetWithRoomHeadings())
{
    rebuildSceneList(reportError);
}

void InnGenerator::generate()
{
    ++generations_;
    const auto ticked = [this](InnPart part) {
        return parts_.isTicked(InnPart::All) || parts_.isTicked(part);
    };
    if (parts_.isTicked(InnPart::All)) {
        selectQuality(static_cast<InnQuality>(random_.randomIndex(kQualityCount)));
        selectLocation(static_cast<InnLocation>(random_.randomIndex(kLocationCount)));
    }
    if (ticked(InnPart::InnName))
        makeInnName(sheet_, innNameLists_, random_);
    if (ticked(InnPart::Landlord))
        makeLandlordName(sheet_, keeperNameLists_, random_);
    if (ticked(InnPart::Menu))
        makeMenu(sheet_, menuLists_, random_);
    if (ticked(InnPart::Rooms))
        drawRooms(sheet_, random_);
    if (ticked(InnPart::Scene))
        drawBarScene(sheet_, sceneList_, random_);
    if (ticked(InnPart::Tables)) {
        drawTables(sheet_, patronLists_, random_);
        showChosenTable(sheet_);
    }
}

void InnGenerator::selectLocation(InnLocation location)
{
    if (location == sheet_.location)
        return;
    sheet_.location = location;
    priceRooms(sheet_);
    makeMenu(sheet_, menuLists_, random_);
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

bool InnGenerator::updateSceneList(const ErrorSink& reportError)
{
    WordList fileScenes;
    const auto error = readSceneFile(sceneFile_, fileScenes);
    const auto lastFileScenes = sceneList_.begin() + kBuiltInSceneCount;
    if (error == sceneFileError_ && std::equal(fileScenes.begin(), fileScenes.end(), lastFileScenes, sceneList_.end()))
        return false;
    rebuildSceneList(reportError);
    return true;
}

void InnGenerator::rebuildSceneList(const ErrorSink& reportError)
{
    // Kept before it is shown: showing it may run events, and with them
    // another update, which must find this error already known.
    sceneFileError_ = buildSceneList(sceneList_, sceneFile_, random_);
    if (const auto error = sceneFileError_)
        reportError(*error);
}

}  // namespace brewick
