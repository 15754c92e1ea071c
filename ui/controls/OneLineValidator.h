// A one-line field holds what it shows: a line break or a tab that comes in,
// pasted or dropped, becomes a space, and other control characters are
// dropped, so that no saved line is split by them.
#pragma once

#include <QValidator>

namespace brewick {

class OneLineValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    // Mends the text in place; whatever comes in is acceptable after that.
    State validate(QString& input, int& position) const override;
};

}  // namespace brewick
