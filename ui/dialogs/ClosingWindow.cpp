#include "ui/dialogs/ClosingWindow.h"

#include <QPushButton>

#include "core/ProductIdentity.h"
#include "output/print/QtText.h"
#include "ui/controls/ObjectNames.h"
#include "ui/controls/WebLink.h"
#include "ui/controls/WindowLook.h"

namespace brewick {

namespace {
constexpr int kCentre = 154;
}  // namespace

ClosingWindow::ClosingWindow(UrlOpener openUrl, QWidget* parent) : QDialog(parent), openUrl_(std::move(openUrl))
{
    setObjectName(QString::fromLatin1(objectNames::closingWindow));
    setUpFixedWindow(this, Qt::Dialog, QStringLiteral("Brewick"), {135, 145});
    setFixedSize(305, 163);

    const QFont bold = windowFont(13, true);
    const auto caption = [this, &bold](const char* text, const char* name, int top) {
        placeCaption(new QLabel(QString::fromLatin1(text), this), name, kCentre, top, bold, QPalette::WindowText);
    };
    caption("If you found this program useful, why not ", objectNames::invitationLabel, 16);
    caption("try the other Brewick game master tools,", objectNames::productsLabel, 36);
    caption("which can be found at:", objectNames::whereLabel, 56);

    // "Exit" comes first in the tab order, then the link: the order they are made in.
    auto* exit = place<QPushButton>(this, objectNames::closingExitButton, {112, 120, 82, 32}, QStringLiteral("Exit"));
    exit->setDefault(true);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    QFont linkFont = bold;
    linkFont.setUnderline(true);
    auto* link = new WebLink(toQString(kMakerWebAddress), this);
    placeCaption(link, objectNames::linkLabel, kCentre, 80, linkFont, QPalette::Link);
    connect(link, &WebLink::followed, this, &ClosingWindow::openMakerWebsite);
}

void ClosingWindow::openMakerWebsite() { openUrl_(QUrl(toQString(kMakerWebAddress))); }

}  // namespace brewick
