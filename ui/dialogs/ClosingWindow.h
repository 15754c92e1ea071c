// The closing window: shown on every request to close the main window, it
// points the user at the maker's other tools and cannot stop the close.
#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

namespace brewick {

class ClosingWindow : public QDialog {
    Q_OBJECT

public:
    // Opens a web address in the user's browser; the outcome is not looked at.
    using UrlOpener = std::function<void(const QUrl&)>;

    explicit ClosingWindow(UrlOpener openUrl, QWidget* parent = nullptr);

private:
    void openMakerWebsite();

    UrlOpener openUrl_;
};

}  // namespace brewick
