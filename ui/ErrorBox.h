// The one place that shows errors to the user: the standard error box.
#pragma once

#include <string>

class QWidget;

namespace brewick {

// The message as the box shows it: with a full stop appended when its last
// character comes after "." in the character set, as letters and digits do.
std::string withFullStop(const std::string& message);

// A modal error box titled "Brewick" with one OK button.
void showError(QWidget* parent, const std::string& message);

}  // namespace brewick
