// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

namespace cw {

// Makes a line edit behave as a field that does not scroll sideways: it takes no more text than
// its width shows, nor more than `maxUtf8Bytes` bytes of UTF-8. Whatever would cross a bound,
// typed, pasted or dropped, is refused whole, as a full field refuses it; the text therefore
// always starts at the field's left edge. Text set by the program is not checked.
class FittingTextValidator : public QValidator {
public:
    FittingTextValidator(QLineEdit* field, int maxUtf8Bytes);

    State validate(QString& input, int& position) const override;

private:
    const QLineEdit& field_;
    const int maxUtf8Bytes_;
};

} // namespace cw
