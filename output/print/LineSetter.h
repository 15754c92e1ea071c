// A text line set in rows as wide as the page, as a typesetter sets it: a row
// ends where Unicode lets the line break, a word is broken only where it alone
// is wider than a row, and the rows after the first start two blanks further
// in than the line's text, so that they never read as a line of their own. A
// tab jumps to the next tab stop, a line feed starts a row, and control
// characters are not printed.
#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "output/print/PrintCanvas.h"

namespace brewick {

// Text drawn at x on its row, in UTF-8.
struct SetPiece {
    int x = 0;
    std::string text;

    bool operator==(const SetPiece&) const = default;
};

struct SetRow {
    std::vector<SetPiece> pieces;  // none on a blank row
    int height = 0;                // of the row's text, blanks included; 0 on an empty line
    int advance = 0;               // from this row's top to the next one's
};

struct SetLine {
    std::vector<SetRow> rows;  // one at least
    int textStart = 0;         // where the text after the line's leading blanks starts
    bool blank = true;         // nothing but blanks
};

class LineSetter {
public:
    explicit LineSetter(const PrintCanvas& canvas);

    // The line in the canvas's current font.
    SetLine set(std::string_view line);

private:
    // Sets the text from `from` to `end`, which holds no tab or line feed.
    void setRun(qsizetype from, qsizetype end);
    // Where the longest stretch of whole characters from `from` that fits
    // the row ends; `from` when not even one does.
    qsizetype fittingEnd(qsizetype from, qsizetype end) const;
    // The last place after `ink` where the row may end, `end` included, with
    // the row's text, its blanks at the end left out, within `fitting`; `from`
    // when there is none.
    qsizetype lastBreak(qsizetype from, qsizetype ink, qsizetype end, qsizetype fitting) const;
    void place(qsizetype from, qsizetype to);
    void tab();
    void endRow();
    void newRow();
    int nextTabStop(int x) const;
    int width(qsizetype from, qsizetype to) const;
    int leadingBlanksWidth() const;

    const PrintCanvas& canvas_;
    const int pageWidth_;

    // The line being set.
    QString text_;
    std::vector<qsizetype> breaks_;
    std::vector<qsizetype> characterEnds_;
    SetLine line_;
    SetRow row_;
    int x_ = 0;
    int rowStart_ = 0;  // where the row's text starts
    int hang_ = 0;      // where the rows after the first start
};

}  // namespace brewick
