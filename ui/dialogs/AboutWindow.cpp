#include "ui/dialogs/AboutWindow.h"

#include <QBitmap>
#include <QPushButton>

#include "core/ProductIdentity.h"
#include "output/print/QtText.h"
#include "ui/controls/ObjectNames.h"
#include "ui/controls/WindowLook.h"

namespace brewick {

namespace {
constexpr int kCentre = 200;

// The banner with its key colour, the colour of its bottom-left pixel, cut
// out so the window shows through.
QPixmap banner()
{
    const QImage image(QStringLiteral(":/brewick/banner.bmp"));
    QPixmap banner = QPixmap::fromImage(image);
    banner.setMask(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1))));
    return banner;
}

QString addressWithoutScheme()
{
    const QString address = toQString(kMakerWebAddress);
    return address.mid(address.indexOf(QStringLiteral("://")) + 3);
}
}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::fromLatin1(objectNames::aboutWindow));
    setUpFixedWindow(this, Qt::Dialog, QStringLiteral("InnSplash"), {66, 98});
    setFixedSize(400, 239);

    banner_ = place<QLabel>(this, objectNames::bannerLabel, {0, 0, 400, 100});
    banner_->setAccessibleName(toQString(kProductName));
    banner_->setAccessibleDescription(QStringLiteral("An inn sign with a tankard of ale and a twenty-sided die"));

    // Blue in the light palette; the link colour keeps them readable in dark ones.
    const QFont font = windowFont(15, true);
    const auto caption = [this, &font](const QString& text, const char* name, int top) {
        placeCaption(new QLabel(text, this), name, kCentre, top, font, QPalette::Link);
    };
    caption(QStringLiteral("The Random Inn Generator"), objectNames::descriptionLabel, 108);
    caption(QStringLiteral("Version ") + toQString(kProductVersion), objectNames::versionLabel, 132);
    // Plain text, not a link.
    caption(addressWithoutScheme(), objectNames::webAddressLabel, 156);

    auto* ok = place<QPushButton>(this, objectNames::okButton, {160, 192, 75, 33}, QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::showEvent(QShowEvent* event)
{
    if (banner_->pixmap().isNull())
        banner_->setPixmap(banner());
    QDialog::showEvent(event);
}

}  // namespace brewick
