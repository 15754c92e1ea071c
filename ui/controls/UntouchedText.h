// The user's text in a box that cannot show every character of it as it
// is: a byte that is no UTF-8 shows as U+FFFD, a CR, CR LF, U+2028 or
// U+2029 as a plain line end, a control character as the box draws it. The
// text follows what the box holds after each edit, the span each edit
// changed typed and the rest untouched, so that its bytes are what the user
// typed where they typed and the text's own bytes everywhere else.
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace brewick {

class UntouchedText {
public:
    // What of the text the box shows other than it is.
    struct Oddities {
        bool noUtf8 = false;
        bool otherLineEnds = false;
        bool controlCharacters = false;

        bool any() const { return noUtf8 || otherLineEnds || controlCharacters; }
    };

    explicit UntouchedText(std::string bytes);

    // What the box is to show of the text, every line end an LF.
    const QString& shown() const { return shown_; }
    Oddities oddities() const { return oddities_; }

    // The box holds `raw` now (its document's raw text), changed from
    // `position` on.
    void follow(const QString& raw, qsizetype position);
    // The text as the box holds it, with the bytes of every span not typed.
    std::string bytes() const;

private:
    // A stretch of what the box holds: typed, or the text's own from
    // `from` on in what it showed at first.
    struct Span {
        bool typed;
        qsizetype length;
        qsizetype from;
    };

    // The box's text from `from` to `to` became `typed` characters typed.
    void replace(qsizetype from, qsizetype to, qsizetype typed);

    const std::string bytes_;
    QString shown_;
    // For each character shown at first, and the end, where its bytes start.
    std::vector<std::size_t> byteAt_;
    Oddities oddities_;
    QString held_;  // what the box holds now
    std::vector<Span> spans_;
};

}  // namespace brewick
