#include "ui/TInnSplash.h"

#include <QBitmap>
#include <QPushButton>

#include "output/InnSheetText.h"
#include "ui/QtText.h"
#include "ui/WindowLook.h"

namespace brewick {

namespace {
constexpr int kCentre = 200;

// The banner with its key colour, the colour of its bottom-left pixel, cut
// out so the window shows through.
QPixmap Banner()
{
    const QImage image(QStringLiteral(":/brewick/banner.bmp"));
    QPixmap banner = QPixmap::fromImage(image);
    banner.setMask(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1))));
    return banner;
}

QString AddressWithoutScheme()
{
    const QString address = ToQString(kMakerWebAddress);
    return address.mid(address.indexOf(QStringLiteral("://")) + 3);
}
}  // namespace

TInnSplash::TInnSplash(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InnSplash"));
    SetUpFixedWindow(this, QStringLiteral("InnSplash"), {66, 98});
    setFixedSize(400, 239);

    banner_ = Place<QLabel>(this, "Image1", {0, 0, 400, 100});

    const QFont font = WindowFont(15, true);
    const QColor blue(Qt::blue);
    PlaceCaption(new QLabel(QStringLiteral("The Random Inn Generator"), this), "Label3", kCentre, 108, font, blue);
    PlaceCaption(new QLabel(QStringLiteral("Version 2.11"), this), "Label1", kCentre, 132, font, blue);
    // Plain text, not a link.
    PlaceCaption(new QLabel(AddressWithoutScheme(), this), "Label2", kCentre, 156, font, blue);

    auto* ok = Place<QPushButton>(this, "Button1", {160, 192, 75, 33}, QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TInnSplash::showEvent(QShowEvent* event)
{
    if (banner_->pixmap().isNull())
        banner_->setPixmap(Banner());
    QDialog::showEvent(event);
}

}  // namespace brewick
