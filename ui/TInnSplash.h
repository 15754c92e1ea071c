// The about window: the banner, what the program is, its version and the
// maker's web address. Created hidden at start and shown modally by
// File > About, the same window every time.
#pragma once

#include <QDialog>

namespace brewick {

class TInnSplash : public QDialog {
    Q_OBJECT

public:
    explicit TInnSplash(QWidget* parent = nullptr);
};

}  // namespace brewick
