// What a text box lays out within a moment, and a text shown in a box so.
// A text past either bound of its size is shown cut, and cannot be edited
// in the box, so that none of it is lost: the inn keeps it whole, for every
// output. Qt breaks a word too long for the box at its edge in a time that
// grows with the square of the word's length: a box whose text holds a word
// longer than kLongestWord breaks it anywhere instead, which takes no longer
// than any text.
#pragma once

#include <QString>

#include <cstddef>
#include <string>

#include "core/TextLines.h"

class QPlainTextEdit;
class QWidget;

namespace brewick {

inline constexpr std::size_t kMostShownLines = 10000;
inline constexpr std::size_t kMostShownBytes = 256 * 1024;
inline constexpr std::size_t kLongestWord = 1024;

bool fitsTextBox(const TextLines& lines);
// The lines a box shows of lines too large for it, and a last line that says so.
std::string cutLines(const TextLines& lines);
// A control that shows a text cut says so in its tooltip.
void showEditable(QWidget* control, bool editable);

// Shows `text` in `box`, editable or shown cut, breaking it anywhere when it
// holds a long word or is cut.
void showBoundedText(QPlainTextEdit* box, const QString& text, bool editable);
// From now on, an edit that makes a long word, a word pasted in as well,
// makes `box` break its text anywhere.
void breakLongWordsAnywhere(QPlainTextEdit* box);

}  // namespace brewick
