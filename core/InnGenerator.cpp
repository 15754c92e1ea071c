#include "core/InnGenerator.h"

#include "generators/Rooms.h"
#include "generators/Scenes.h"

namespace brewick {

namespace {
InnSheet SheetWithRoomHeadings()
{
    InnSheet sheet;
    WriteRoomHeadings(sheet.rooms);
    return sheet;
}
}  // namespace

InnGenerator::InnGenerator(RandomSource& random, std::filesystem::path sceneFile,
                           const ErrorSink& reportError)
    : random_(random), sceneFile_(std::move(sceneFile)), sheet_(SheetWithRoomHeadings())
{
    GetScenes(reportError);
}

void InnGenerator::ReGenerate()
{
    const auto ticked = [this](InnPart part) {
        return parts_.IsTicked(InnPart::All) || parts_.IsTicked(part);
    };
    if (parts_.IsTicked(InnPart::All)) {
        SelectQuality(static_cast<InnQuality>(random_.RandomIndex(kQualityCount)));
        SelectLocation(static_cast<InnLocation>(random_.RandomIndex(kLocationCount)));
    }
    if (ticked(InnPart::InnName))
        InnName(sheet_, innNameLists_, random_);
    if (ticked(InnPart::Landlord))
        KeeperName(sheet_, keeperNameLists_, random_);
    if (ticked(InnPart::Menu))
        DoMenu(sheet_, menuLists_, random_);
    if (ticked(InnPart::Rooms))
        Rooms(sheet_, random_);
    if (ticked(InnPart::Scene))
        Scene(sheet_, sceneList_, random_);
    if (ticked(InnPart::Tables)) {
        Tables(sheet_, patronLists_, random_);
        ShowTable(sheet_);
    }
}

void InnGenerator::SelectLocation(InnLocation location)
{
    if (location == sheet_.location)
        return;
    sheet_.location = location;
    CalcRoomPrice(sheet_);
    DoMenu(sheet_, menuLists_, random_);
}

void InnGenerator::SelectQuality(InnQuality quality)
{
    if (quality == sheet_.quality)
        return;
    sheet_.quality = quality;
    CalcRoomPrice(sheet_);
}

void InnGenerator::ChooseTable(int index)
{
    sheet_.chosenTable = index;
    ShowTable(sheet_);
}

void InnGenerator::GetScenes(const ErrorSink& reportError)
{
    if (const auto error = brewick::GetScenes(sceneList_, sceneFile_, random_))
        reportError(*error);
}

}  // namespace brewick
