// How the window marks the lines the user pinned: a tint drawn behind the
// line by its box, never text added to the inn, in the palette's highlight
// colour so that it reads in light and dark themes alike; and the box's
// accessible description, which names the pinned lines.
#pragma once

#include <QColor>
#include <QPalette>
#include <QStringList>

#include <cstddef>
#include <vector>

class QPlainTextEdit;

namespace brewick {

QColor pinnedLineTint(const QPalette& palette);
// "Pinned: " and the lines; empty when none is pinned.
QString pinnedDescription(const QStringList& lines);

// Tints the box's lines at `lines`, from 0, each with all its wrapped rows,
// and describes them; the tint follows a line as the text around it is edited.
void markPinnedLines(QPlainTextEdit* box, const std::vector<std::size_t>& lines);

}  // namespace brewick
