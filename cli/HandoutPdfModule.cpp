// The module of brewick-batch's PDF writer: the printing path of the window
// on Qt's offscreen platform, which needs no display.
#include <QGuiApplication>
#include <QLocale>

#include "cli/HandoutPdfWriter.h"
#include "output/print/FooterDate.h"
#include "output/print/SheetPdf.h"

namespace brewick {

namespace {
class QtHandoutPdfWriter final : public HandoutPdfWriter {
public:
    bool write(std::span<const InnSheet> inns, bool playersCard, std::string& pdf) override
    {
        const auto bytes = handoutPdf(inns, playersCard ? Printout::PlayersCard : Printout::Sheet,
                                      paperFor(QLocale::system().territory()), localFooterDate());
        if (!bytes)
            return false;
        pdf += *bytes;
        return true;
    }

private:
    // The command line names the platform, which outweighs QT_QPA_PLATFORM:
    // a batch run from a desktop session draws no windows either.
    int argc_ = 3;
    char name_[14] = "brewick-batch";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {name_, option_, platform_, nullptr};
    QGuiApplication application_{argc_, argv_};
};
}  // namespace

}  // namespace brewick

extern "C" brewick::HandoutPdfWriter* brewickOpenHandoutPdfWriter() { return new brewick::QtHandoutPdfWriter; }
