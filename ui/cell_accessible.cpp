// SPDX-License-Identifier: GPL-3.0-or-later
// A cell reads as a push button named by its position and described by its content ("row 3,
// column 5, push button, red ball"), which is how a player moving over the board wants to hear
// it; pressing it is a click. While the keyboard cursor rests on it, it reports itself focused
// so that the screen reader follows the cursor.

#include "ui/cell_accessible.h"

#include "ui/cell_widget.h"

#include <QAccessibleWidget>

namespace cw {
namespace {

class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellWidget* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = cellWidget()->keyboardMarked();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction())
            cellWidget()->Click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    CellWidget* cellWidget() const { return static_cast<CellWidget*>(widget()); }
};

QAccessibleInterface* CellAccessibleFactory(const QString&, QObject* object) {
    if (auto* cell = qobject_cast<CellWidget*>(object))
        return new CellAccessible(cell);
    return nullptr;
}

} // namespace

// Qt keeps a factory installed twice only once.
void InstallCellAccessibility() {
    QAccessible::installFactory(&CellAccessibleFactory);
}

void SetAccessibleDescriptionIfChanged(QWidget& widget, const QString& description) {
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
}

} // namespace cw
