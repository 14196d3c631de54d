// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QValidator>

class QLineEdit;

namespace cw {

// The room that a text has where it is shown: `width` pixels from the left edge, in `font`.
struct TextRoom {
    QFont font;
    int width = 0;
};

// Makes a line edit behave as a field that does not scroll sideways: it takes no more text than
// its width shows, nor more than `maxUtf8Bytes` bytes of UTF-8, nor more than shows whole where
// the text is shown again, `shownIn`. Whatever would cross a bound, typed, pasted or dropped, is
// refused whole, as a full field refuses it; the text therefore always starts at the field's
// left edge. Text set by the program is not checked.
class FittingTextValidator : public QValidator {
public:
    FittingTextValidator(QLineEdit* field, int maxUtf8Bytes, TextRoom shownIn);

    State validate(QString& input, int& position) const override;

private:
    const QLineEdit& field_;
    const int maxUtf8Bytes_;
    const TextRoom shownIn_;
};

} // namespace cw
