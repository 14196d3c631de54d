// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window in every language, measured against the control that shows it:
// the dialogs keep their English layout in dialog units, so a longer translation is cut off
// unless the translator finds a shorter one. The failures name the language,
// the control, the text and the pixels needed and available.

#include "translation_test_support.h"

#include "desktop/help_viewer.h"
#include "resources/translations.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGlyphRun>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyleOption>
#include <QTextBrowser>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <map>

namespace cw::test {
namespace {

struct Room {
    int needed;
    int available;
};

// Qt draws a mnemonic's '&' as an underline under the next character, so it takes no room.
int TextWidth(const QFontMetrics& metrics, const QString& text, bool mnemonic) {
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.size(mnemonic ? Qt::TextShowMnemonic : 0, line).width());
    return widest;
}

// The text as drawn: a mnemonic's '&' goes, "&&" shows one.
QString Shown(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// A QLabel takes its margin on all sides and its indent on the side it is aligned to; without
// an indent of its own, a framed label indents by half an 'x'.
QRect LabelTextRect(const QLabel& label) {
    QRect rect = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(),
                                               -label.margin());
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(u'x') / 2;
    if (indent > 0) {
        const Qt::Alignment align = label.alignment();
        if (align & Qt::AlignLeft)
            rect.setLeft(rect.left() + indent);
        if (align & Qt::AlignRight)
            rect.setRight(rect.right() - indent);
        if (align & Qt::AlignTop)
            rect.setTop(rect.top() + indent);
        if (align & Qt::AlignBottom)
            rect.setBottom(rect.bottom() - indent);
    }
    return rect;
}

int ButtonContentsWidth(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (qobject_cast<const QCheckBox*>(&button) != nullptr)
        return button.style()
            ->subElementRect(QStyle::SE_CheckBoxContents, &option, &button)
            .width();
    if (qobject_cast<const QRadioButton*>(&button) != nullptr)
        return button.style()
            ->subElementRect(QStyle::SE_RadioButtonContents, &option, &button)
            .width();
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
    }
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

// The style places the title itself; it must end as far from the far edge as it starts from
// the near one (the right one in a language written right to left).
Room GroupTitleRoom(const QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.lineWidth = 1;
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    const int margin = box.isRightToLeft() ? box.width() - 1 - label.right() : label.left();
    return {label.width() + 2 * margin, box.width()};
}

// Qt's combo box draws its text in the edit field less a pixel on each side.
int ComboTextWidth(const QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    option.subControls = QStyle::SC_All;
    return combo.style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
               .width() -
           2;
}

// An item view keeps a focus margin and a pixel on each side of an item's text; the viewport
// already leaves out a scroll bar that is shown.
int ListTextWidth(const QListWidget& list) {
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return list.viewport()->width() - 2 * margin;
}

// The family of the first glyph that `font` has no real glyph for (Qt then draws a box), or
// empty when every character has one.
QString FamilyWithoutGlyph(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0)
                return run.rawFont().familyName();
        }
    }
    return {};
}

// The worst misfit of one kind of control, and how many controls of that kind overflow.
struct Misfit {
    std::string text;
    Room room;
    int controls = 0;
};
// Keyed by language, window and control less its row number, so that a date too wide for its
// field is told once, not once a row.
using Misfits = std::map<std::string, Misfit>;

// The checks of one window in one language; each failure names what a translator needs.
class FitCheck {
public:
    FitCheck(QString language, QString window, Misfits& misfits)
        : language_(std::move(language)), window_(std::move(window)), misfits_(misfits) {}

    void Width(const QWidget& control, const QString& text, Room room) {
        Glyphs(control, text);
        if (room.needed <= room.available || PlayerNames().contains(text))
            return;
        QString kind = control.objectName();
        while (!kind.isEmpty() && kind.back().isDigit())
            kind.chop(1);
        Misfit& worst =
            misfits_[QStringLiteral("[%1] %2, %3").arg(language_, window_, kind).toStdString()];
        if (worst.controls++ == 0 ||
            room.needed - room.available > worst.room.needed - worst.room.available)
            worst = {text.toStdString(), room, worst.controls};
    }
    void Height(const QWidget& control, const QString& text, Room room) {
        if (room.needed <= room.available)
            return;
        ADD_FAILURE() << Where(control, text) << " needs " << room.needed << " px of height, has "
                      << room.available;
    }
    void Glyphs(const QWidget& control, const QString& text) {
        const QString family = FamilyWithoutGlyph(control.font(), Shown(text));
        EXPECT_TRUE(family.isEmpty())
            << Where(control, text) << " shows a box in " << family.toStdString();
    }
    void Mnemonic(const QWidget& control, const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty())
            return;
        const QString owner = mnemonics_.value(key.toString(), QString());
        EXPECT_TRUE(owner.isEmpty())
            << Where(control, text) << " repeats the mnemonic of " << owner.toStdString();
        mnemonics_.insert(key.toString(), text);
    }

private:
    std::string Where(const QWidget& control, const QString& text) const {
        return QStringLiteral("[%1] %2, %3 \"%4\"")
            .arg(language_, window_, control.objectName(), text)
            .toStdString();
    }

    QString language_;
    QString window_;
    Misfits& misfits_;
    QHash<QString, QString> mnemonics_;
};

void ReportMisfits(const Misfits& misfits) {
    for (const auto& [where, worst] : misfits)
        ADD_FAILURE() << where << " \"" << worst.text << "\" needs " << worst.room.needed
                      << " px, has " << worst.room.available << " (" << worst.controls
                      << (worst.controls == 1 ? " control)" : " controls)");
}

void CheckLabel(FitCheck& check, const QLabel& label) {
    if (label.text().isEmpty())
        return;
    const bool mnemonic = label.buddy() != nullptr;
    if (mnemonic)
        check.Mnemonic(label, label.text());
    const QRect room = LabelTextRect(label);
    const QFontMetrics metrics = label.fontMetrics();
    if (!label.wordWrap()) {
        check.Width(label, label.text(),
                    {TextWidth(metrics, label.text(), mnemonic), room.width()});
        return;
    }
    const QRect wrapped = metrics.boundingRect(
        room, int(label.alignment()) | Qt::TextWordWrap | (mnemonic ? Qt::TextShowMnemonic : 0),
        label.text());
    check.Width(label, label.text(), {wrapped.width(), room.width()});
    check.Height(label, label.text(), {wrapped.height(), room.height()});
}

void CheckControls(FitCheck& check, const QWidget& window) {
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            CheckLabel(check, *label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            if (button->text().isEmpty())
                continue;
            check.Mnemonic(*button, button->text());
            check.Width(*button, button->text(),
                        {TextWidth(button->fontMetrics(), button->text(), true),
                         ButtonContentsWidth(*button)});
        } else if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
            if (box->title().isEmpty())
                continue;
            check.Mnemonic(*box, box->title());
            check.Width(*box, box->title(), GroupTitleRoom(*box));
        } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
            for (int item = 0; item < combo->count(); ++item)
                check.Width(*combo, combo->itemText(item),
                            {combo->fontMetrics().horizontalAdvance(combo->itemText(item)),
                             ComboTextWidth(*combo)});
        } else if (const auto* list = qobject_cast<const QListWidget*>(control)) {
            for (int row = 0; row < list->count(); ++row)
                check.Width(*list, list->item(row)->text(),
                            {list->fontMetrics().horizontalAdvance(list->item(row)->text()),
                             ListTextWidth(*list)});
        }
    }
}

// What follows the tab is the shortcut column; the mnemonic lives in the part before it.
void CheckMenus(const QString& language, const QMenuBar& bar, Misfits& misfits) {
    FitCheck titles(language, QStringLiteral("Menu bar"), misfits);
    for (const QAction* popup : bar.actions()) {
        EXPECT_FALSE(QKeySequence::mnemonic(popup->text()).isEmpty())
            << "[" << language.toStdString() << "] menu " << popup->text().toStdString()
            << " has no mnemonic";
        titles.Mnemonic(bar, popup->text());
        titles.Glyphs(bar, popup->text());
        const QMenu* menu = popup->menu();
        ASSERT_NE(menu, nullptr);
        FitCheck items(language, QStringLiteral("Menu ") + Shown(popup->text()), misfits);
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QString item = action->text().section(u'\t', 0, 0);
            EXPECT_FALSE(QKeySequence::mnemonic(item).isEmpty())
                << "[" << language.toStdString() << "] menu item " << item.toStdString()
                << " has no mnemonic";
            items.Mnemonic(*menu, item);
            items.Glyphs(*menu, action->text());
        }
    }
}

using TranslationFit = TranslatedWindowTest;

TEST_P(TranslationFit, EveryTextFitsItsControlWithUniqueMnemonicsAndRealGlyphs) {
    Misfits misfits;
    CheckMenus(GetParam(), *window_->menuBar(), misfits);
    QStringList visited;
    Tour([&](const TourStop& stop) {
        visited << stop.name;
        // The browser chooser is Qt's own file dialog, laid out by Qt for its texts.
        if (qobject_cast<QFileDialog*>(stop.window) != nullptr)
            return;
        FitCheck check(GetParam(), stop.name, misfits);
        CheckControls(check, *stop.window);
        // Every page in the help window's font: their words, not only the window's.
        if (auto* help = qobject_cast<HelpViewer*>(stop.window)) {
            for (const HelpTopic topic :
                 {HelpTopic::Contents, HelpTopic::Rules, HelpTopic::UsingHelp}) {
                help->ShowTopic(topic);
                check.Glyphs(*help, help->findChild<QTextBrowser*>()->toPlainText());
            }
        }
    });
    ReportMisfits(misfits);
    EXPECT_EQ(visited.size(), 11) << visited.join(u", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslationFit, ::testing::ValuesIn(LanguagesWithEnglish()),
                         LanguageTestName);

} // namespace
} // namespace cw::test
