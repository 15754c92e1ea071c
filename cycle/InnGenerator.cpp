#include "cycle/InnGenerator.h"

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

void InnGenerator::rebuildSceneList(const ErrorSink& reportError)
{
    if (const auto error = brewick::buildSceneList(sceneList_, sceneFile_, random_))
        reportError(*error);
}

}  // namespace brewick
