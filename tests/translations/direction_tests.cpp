// SPDX-License-Identifier: GPL-3.0-or-later
// Languages written right to left read every dialog from its right edge, while the board keeps
// row 1 column 1 at the top left: a board has no reading direction.

#include "translation_test_support.h"

#include "resources/translations.h"
#include "widgets/dialog_units.h"

#include <QMenuBar>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace cw::test {
namespace {

const QStringList kRightToLeft{QStringLiteral("ar"), QStringLiteral("fa"), QStringLiteral("he")};

QStringList EnglishAndTheRightToLeftLanguages() {
    QStringList languages{QStringLiteral("en")};
    for (const QString& language : TranslatedLanguages())
        if (kRightToLeft.contains(language))
            languages << language;
    return languages;
}

using ReadingDirection = TranslatedWindowTest;

// Each control keeps its template's distance from the edge the language reads from.
TEST_P(ReadingDirection, DialogsStartFromTheLanguagesSideAndTheBoardFromTheLeft) {
    const bool mirrored = kRightToLeft.contains(GetParam());
    const QList<QAction*> titles = window_->menuBar()->actions();
    EXPECT_EQ(window_->menuBar()->actionGeometry(titles.front()).x() >
                  window_->menuBar()->actionGeometry(titles.back()).x(),
              mirrored);
    EXPECT_TRUE(window_->findChild<QWidget*>(QStringLiteral("clientArea"))->isLeftToRight());
    const DialogBaseUnits base = MeasureDialogBaseUnits(DialogFont());
    Tour([&](const TourStop& stop) {
        SCOPED_TRACE(stop.name.toStdString());
        EXPECT_EQ(stop.window->isRightToLeft(), mirrored);
        if (auto* page = stop.window->findChild<QTextBrowser*>()) {
            const QTextBlockFormat heading = page->document()->firstBlock().blockFormat();
            EXPECT_EQ(heading.layoutDirection() == Qt::RightToLeft, mirrored);
        }
        for (const QWidget* control :
             stop.window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QVariant units = control->property(kDialogUnitsProperty);
            // The Top Players' OK button stays centred under a date column that grew.
            const bool centred = stop.name == QStringLiteral("Top Players") &&
                                 control->objectName() == QStringLiteral("okButton");
            if (!units.isValid() || centred)
                continue;
            const QRect at = control->geometry();
            EXPECT_EQ(mirrored ? stop.window->width() - 1 - at.right() : at.x(),
                      DialogUnitsToPixels(units.toRect(), base).x())
                << control->objectName().toStdString();
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ReadingDirection,
                         ::testing::ValuesIn(EnglishAndTheRightToLeftLanguages()),
                         LanguageTestName);

} // namespace
} // namespace cw::test
