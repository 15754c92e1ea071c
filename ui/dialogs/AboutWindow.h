// The about window: the banner, what the program is, its version and the
// maker's web address. Created hidden at start and shown modally by
// File > About, the same window every time.
#pragma once

#include <QDialog>
#include <QLabel>

namespace brewick {

class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

protected:
    // The banner is loaded when the window is first shown, not at start-up.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* banner_;
};

}  // namespace brewick
