// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/score_entry.h"

#include <QDialog>

#include <memory>

namespace Ui {
class NameDialog;
}

namespace cw {

// "New High Score!": asks for the name of a new top-ten row, prefilled with the last name
// accepted. OK stores the name (cut to 39 bytes) in `pending`; Cancel leaves it untouched.
// The field takes no more than the Top Players table shows, its fields indented by
// `tableIndent` pixels.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    NameDialog(ScoreEntry& pending, int tableIndent, QWidget* owner);
    ~NameDialog() override;

    void accept() override;

private:
    std::unique_ptr<Ui::NameDialog> ui_;
    ScoreEntry& pending_;
};

} // namespace cw
