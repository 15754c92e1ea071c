// The floor for FirstInnProbe: what Qt alone takes to start a window like
// Brewick's, so that what Brewick adds to its start-up shows apart from
// what its controls cost. The window has Brewick's menus and, at the same
// places and sizes, the same Qt controls holding the first inn that probe
// shows, under the same font and as many proxy styles, and nothing behind
// them: no generator, no history, no session, no other windows. Started,
// mapped and painted once, like the other probes.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <initializer_list>
#include <utility>

#include "ProbeWindow.h"

namespace {

// The first inn of FirstInnProbe's window (seed 1, no scene file).
constexpr const char* kInnName = "The Star and Stars";
constexpr const char* kLandlord = "Telyn Athoihild";
constexpr int kLocation = 1;  // Merchant Quarter
constexpr int kQuality = 1;   // Good
constexpr const char* kMenu = "Main Courses\n"
                              "  Fried Goat Pasties\n"
                              "  Boiled Fish Kebabs\n"
                              "  Fried Goose Pie\n"
                              " \n"
                              "Puddings\n"
                              "  Fruit Bake\n"
                              "  Rhubarb Pie\n"
                              "  Peach Pie\n"
                              " \n"
                              "Drinks\n"
                              "  Mead\n"
                              "  Grog\n"
                              "  Golden Stout\n"
                              "  Golden Stout\n"
                              "  Spring Wine\n"
                              "  Orc Bitter";
constexpr int kRoomRows = 3;
constexpr int kRoomColumns = 4;
constexpr const char* kRooms[kRoomRows][kRoomColumns] = {
    {"Beds in", "Single Rooms", "Double Rooms", "Common Room"},
    {"Number", "10", "8", "28"},
    {"Cost (sp)", "120", "60", "12"},
};
constexpr const char* kBarScene = "A patron is convinced that you are a long-lost cousin";
constexpr const char* kTableCount = "21";
constexpr const char* kTableChoices[] = {
    "Table No. 1 has 2 patrons",     "Table No. 2 has 1 patron",   "Table No. 3 has 2 patrons",
    "Table No. 4 has 5 patrons",     "Table No. 5 has 5 patrons",  "Table No. 6 has no-one there",
    "Table No. 7 has 2 patrons",     "Table No. 8 has 7 patrons",  "Table No. 9 has 4 patrons",
    "Table No. 10 has 3 patrons",    "Table No. 11 has 1 patron",  "Table No. 12 has 6 patrons",
    "Table No. 13 has no-one there", "Table No. 14 has 7 patrons", "Table No. 15 has 7 patrons",
    "Table No. 16 has 3 patrons",    "Table No. 17 has 1 patron",  "Table No. 18 has 3 patrons",
    "Table No. 19 has 6 patrons",    "Table No. 20 has 4 patrons", "Table No. 21 has no-one there",
};
constexpr const char* kTableLines =
    "Table No. 1 (2 patrons)\n"
    "A fresh-faced half-orc bard wearing rags. He has windswept hair and a bearded face.\n"
    "A elven cleric wearing muddy clothing. He has spiky hair and an open face.\n"
    "They are chatting quietly\n"
    " ";

// Brewick's form is laid out in fixed pixels.
constexpr int kFormWidth = 502;
constexpr int kFormHeight = 581;
constexpr int kCaptionHeight = 15;  // of a group box's caption, on its frame line
constexpr int kItemHeight = 17;     // of a radio button or a check box

template <typename Control, typename... Arguments>
Control* place(QWidget* parent, QRect geometry, Arguments&&... arguments)
{
    auto* control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setGeometry(geometry);
    return control;
}

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// Brewick's style is the platform's under three proxies, each redrawing a
// few parts: as many proxies that redraw nothing pass every call down alike.
// Brewick's icon is no part of it: it is set after the first paint, when a
// probe has ended.
void applyBrewickLook()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    QApplication::setFont(font);
    QApplication::setStyle(new QProxyStyle(new QProxyStyle(new QProxyStyle)));
}

struct Command {
    const char* text;  // none: a separator
    QKeySequence shortcut;
    bool enabled = true;
    bool checkable = false;
};

QMenu* addMenu(QMenuBar* bar, const char* title, std::initializer_list<Command> commands)
{
    QMenu* menu = bar->addMenu(text(title));
    for (const Command& command : commands) {
        if (command.text == nullptr) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(text(command.text));
        action->setShortcut(command.shortcut);
        action->setEnabled(command.enabled);
        action->setCheckable(command.checkable);
    }
    return menu;
}

void addMenus(QMenuBar* bar)
{
    addMenu(bar, "&File",
            {{"&Open…", QKeySequence::Open},
             {"&Save", QKeySequence::Save},
             {"E&xport…", {}},
             {"&Print", QKeySequence::Print},
             {"Print Pre&view…", {}},
             {"&About", {}},
             {nullptr, {}},
             {"&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)}});
    QMenu* edit = addMenu(bar, "&Edit",
                          {{"&Copy Inn", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                           {"Cop&y Table", {}},
                           {"Pre&vious Inn", QKeySequence(Qt::ALT | Qt::Key_Left), false},
                           {"&Next Inn", QKeySequence(Qt::ALT | Qt::Key_Right), false},
                           {"&Keep This Inn", QKeySequence(Qt::CTRL | Qt::Key_D), true, true},
                           {"&History…", QKeySequence(Qt::CTRL | Qt::Key_H)},
                           {nullptr, {}},
                           {"Re-roll Tab&le", QKeySequence(Qt::CTRL | Qt::Key_R)},
                           {"Re-roll Patr&on", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), false},
                           {nullptr, {}},
                           {"&Bar Scenes", {}},
                           {"&Word Lists…", {}}});
    edit->setToolTipsVisible(true);
}

// A column of radio buttons sharing the room below the caption evenly.
void addRadioGroup(QWidget* form, QRect geometry, const char* caption, std::initializer_list<const char*> items,
                   int selected)
{
    auto* group = place<QGroupBox>(form, geometry, text(caption));
    const int slot = (geometry.height() - kCaptionHeight - 2) / static_cast<int>(items.size());
    int index = 0;
    for (const char* item : items) {
        auto* button = place<QRadioButton>(
            group, {8, kCaptionHeight + index * slot + (slot - kItemHeight) / 2, geometry.width() - 16, kItemHeight},
            text(item));
        button->setChecked(index++ == selected);
    }
}

void addTextBox(QWidget* parent, QRect geometry, const char* lines)
{
    auto* box = place<QPlainTextEdit>(parent, geometry);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setPlainText(text(lines));
}

void addNames(QWidget* form)
{
    place<QLabel>(form, {8, 0, 57, 16}, QStringLiteral("Inn Name"));
    place<QLabel>(form, {256, 0, 103, 16}, QStringLiteral("Landlord's Name"));
    place<QLineEdit>(form, {8, 16, 240, 24}, text(kInnName));
    place<QLineEdit>(form, {256, 16, 240, 24}, text(kLandlord));
}

void addRoomGrid(QWidget* form)
{
    auto* grid = place<QTableWidget>(form, {48, 168, 407, 80}, kRoomRows, kRoomColumns);
    for (QHeaderView* header : {grid->horizontalHeader(), grid->verticalHeader()}) {
        header->hide();
        header->setStretchLastSection(true);
    }
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    const QBrush headingBrush = grid->palette().button();
    for (int column = 0; column < kRoomColumns; ++column)
        grid->setColumnWidth(column, 100);
    for (int row = 0; row < kRoomRows; ++row) {
        grid->setRowHeight(row, 24);
        for (int column = 0; column < kRoomColumns; ++column) {
            auto* cell = new QTableWidgetItem(text(kRooms[row][column]));
            if (row == 0 || column == 0) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(headingBrush);
            }
            grid->setItem(row, column, cell);
        }
    }
}

void addBarScene(QWidget* form)
{
    auto* group = place<QGroupBox>(form, {8, 256, 486, 49}, QStringLiteral("Bar Scene"));
    auto* line = place<QListWidget>(group, {8, 16, 465, 25});
    line->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    line->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    (new QListWidgetItem(text(kBarScene), line))->setSizeHint(QSize(0, 16));
}

void addTables(QWidget* form)
{
    auto* group = place<QGroupBox>(form, {8, 312, 486, 185}, QStringLiteral("Tables"));
    place<QLabel>(group, {8, 22, 124, 16}, QStringLiteral("Number of Tables =  "));
    place<QLabel>(group, {136, 22, 7, 16}, text(kTableCount))->adjustSize();
    QStringList choices;
    for (const char* entry : kTableChoices)
        choices.append(text(entry));
    place<QComboBox>(group, {250, 16, 225, 24})->addItems(choices);
    addTextBox(group, {8, 48, 468, 129}, kTableLines);
}

void addPartsAndButtons(QWidget* form)
{
    auto* group = place<QGroupBox>(form, {8, 500, 273, 77}, QStringLiteral("Regenerate"));
    const std::pair<const char*, QRect> parts[] = {
        {"All", {8, 16, 81, 17}},    {"Inn Name", {8, 32, 81, 17}}, {"Landlord", {100, 16, 81, 17}},
        {"Menu", {100, 32, 77, 17}}, {"Rooms", {192, 16, 73, 17}},  {"Tables", {192, 32, 73, 17}},
        {"Scene", {8, 48, 97, 17}},
    };
    for (const auto& [caption, geometry] : parts)
        place<QCheckBox>(group, geometry, text(caption))->setChecked(caption == parts[0].first);
    auto* generate = place<QPushButton>(form, {320, 520, 75, 33}, QStringLiteral("Generate"));
    auto* exit = place<QPushButton>(form, {416, 520, 75, 33}, QStringLiteral("Exit"));
    generate->setAutoDefault(true);
    exit->setAutoDefault(true);
    generate->setDefault(true);
    generate->setFocus();
}

QWidget* innForm()
{
    auto* form = new QWidget;
    form->setFixedSize(kFormWidth, kFormHeight);
    addNames(form);
    addRadioGroup(form, {8, 48, 137, 113}, "Inn Location",
                  {"Wealthy Quarter", "Merchant Quarter", "Docks Area", "Poor Quarter"}, kLocation);
    addRadioGroup(form, {152, 48, 97, 113}, "Inn Quality", {"Excellent", "Good", "Normal", "Fair", "Poor"}, kQuality);
    auto* menuGroup = place<QGroupBox>(form, {256, 48, 241, 113}, QStringLiteral("Menu"));
    addTextBox(menuGroup, {8, 16, 225, 89}, kMenu);
    addRoomGrid(form);
    addBarScene(form);
    addTables(form);
    addPartsAndButtons(form);
    return form;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    applyBrewickLook();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Brewick"));
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.move(57, 34);
    window.setCentralWidget(innForm());
    addMenus(window.menuBar());
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    showMappedAndPainted(window);
    endProbe();
}
