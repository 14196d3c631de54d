#include "widgets/dialog_units.h"

#include "ui_ABOUT.h"
#include "ui_NAME.h"
#include "ui_SHAPE.h"
#include "ui_TOP.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using cw::ApplyDialogUnits;
using cw::FindControl;

struct ControlExpectation {
    int id;
    QString objectName;
    QString className;
    QRect dialogUnits;
    QString text;
};

struct TemplateExpectation {
    std::string name;
    std::function<void(QDialog*)> setupUi;
    QString caption;
    QRect dialogUnits;
    std::vector<ControlExpectation> controls; // in template order
    QStringList tabStops;
};

void PrintTo(const TemplateExpectation& want, std::ostream* out) {
    *out << want.name;
}

template <typename Form> std::function<void(QDialog*)> SetupWith() {
    return [](QDialog* dialog) {
        auto form = std::make_shared<Form>();
        form->setupUi(dialog);
    };
}

std::vector<ControlExpectation> TopControls() {
    std::vector<ControlExpectation> controls;
    const auto field = [&](const char* kind, int place, int id, int x, int y, int width) {
        controls.push_back({id, QStringLiteral("place%1%2").arg(QLatin1String(kind)).arg(place),
                            "QLabel", QRect(x, y, width, 12), ""});
    };
    for (int first : {1, 6}) {
        const int top = first == 1 ? 23 : 98;
        for (int k = 0; k < 5; ++k) {
            field("Name", first + k, 420 + first + k, 25, top + 15 * k, 100);
            field("Score", first + k, 430 + first + k, 130, top + 15 * k, 30);
        }
        for (int k = 0; k < 5; ++k)
            field("Date", first + k, 509 + first + k, 164, top + 15 * k, 100);
    }
    controls.push_back({2, "okButton", "QPushButton", QRect(114, 187, 50, 16), "&Ok"});
    const int labelTops[] = {25, 39, 55, 69, 85, 99, 115, 129, 145, 159};
    for (int place = 1; place <= 10; ++place)
        controls.push_back({-1, QStringLiteral("placeLabel%1").arg(place), "QLabel",
                            QRect(9, labelTops[place - 1], 11, 8),
                            QStringLiteral("%1.").arg(place)});
    controls.push_back({-1, "tableGroup", "QGroupBox", QRect(7, 7, 263, 173), ""});
    controls.push_back({101, "levelCombo", "QComboBox", QRect(25, 5, 78, 48), ""});
    return controls;
}

std::vector<TemplateExpectation> Templates() {
    return {
        {"TOP",
         SetupWith<Ui::TopDialog>(),
         "Top Players of Cobblewell",
         QRect(59, 76, 279, 210),
         TopControls(),
         {"okButton", "levelCombo"}},
        {"NAME",
         SetupWith<Ui::NameDialog>(),
         "New High Score!",
         QRect(90, 76, 212, 84),
         {{501, "nameEdit", "QLineEdit", QRect(45, 39, 126, 14), ""},
          {-1, "promptLabel", "QLabel", QRect(45, 9, 159, 28),
           "Congratulations!  You have reached a new high score.  Please enter your name for "
           "the Top Ten table:"},
          {1, "okButton", "QPushButton", QRect(53, 60, 50, 14), "&OK"},
          {-1, "iconLabel", "QLabel", QRect(12, 9, 21, 20), ""},
          {2, "cancelButton", "QPushButton", QRect(113, 60, 50, 14), "&Cancel"}},
         {"nameEdit", "okButton", "cancelButton"}},
        {"SHAPE",
         SetupWith<Ui::ShapeDialog>(),
         "Cobblewell Options",
         QRect(0, 0, 205, 146),
         {{1009, "traceAllMovesCheck", "QCheckBox", QRect(18, 20, 86, 10), "&Trace All Moves"},
          {1010, "showNextColorsCheck", "QCheckBox", QRect(18, 34, 86, 10), "Show &Next Colors"},
          {1011, "animatedSmileysCheck", "QCheckBox", QRect(18, 48, 86, 10), "&Animated Smileys"},
          {1012, "shapeList", "QListWidget", QRect(16, 84, 75, 48), ""},
          {1, "okButton", "QPushButton", QRect(149, 8, 50, 14), "&Ok"},
          {2, "cancelButton", "QPushButton", QRect(149, 27, 50, 14), "&Cancel"},
          {-1, "shapesGroup", "QGroupBox", QRect(6, 71, 136, 69), " Shapes "},
          {-1, "appearanceGroup", "QGroupBox", QRect(6, 5, 136, 63), " Appearence "},
          {1014, "previewButton", "QPushButton", QRect(100, 93, 30, 26), ""}},
         {"traceAllMovesCheck", "showNextColorsCheck", "animatedSmileysCheck", "shapeList",
          "okButton", "cancelButton"}},
        {"ABOUT",
         SetupWith<Ui::AboutDialog>(),
         "About Cobblewell",
         QRect(26, 29, 223, 209),
         {{1, "okButton", "QPushButton", QRect(157, 187, 50, 14), "&OK"},
          {1019, "webSiteButton", "QPushButton", QRect(17, 187, 127, 14),
           "Visit Our &Web Site Now!"},
          {105, "versionLabel", "QLabel", QRect(21, 6, 181, 8), ""},
          {1018, "pictureButton", "QPushButton", QRect(11, 19, 200, 124), ""}},
         {"okButton", "webSiteButton", "pictureButton"}},
    };
}

QString ShownText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return {};
}

class DialogTemplate : public ::testing::TestWithParam<TemplateExpectation> {
protected:
    void SetUp() override {
        GetParam().setupUi(&dialog);
        ApplyDialogUnits(&dialog);
    }

    QList<QWidget*> Controls() const {
        return dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }

    QDialog dialog;
};

TEST_P(DialogTemplate, IsAFixedModalPopUpWithItsCaptionAndACloseBox) {
    EXPECT_EQ(dialog.windowTitle(), GetParam().caption);
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.property(cw::kDialogUnitsProperty).toRect(), GetParam().dialogUnits);
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_P(DialogTemplate, HoldsItsControlsInTemplateOrderWithTheirTexts) {
    const QList<QWidget*> controls = Controls();
    const std::vector<ControlExpectation>& expected = GetParam().controls;
    ASSERT_EQ(controls.size(), qsizetype(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        const QWidget* control = controls.at(qsizetype(i));
        const ControlExpectation& want = expected[i];
        SCOPED_TRACE(want.objectName.toStdString());
        EXPECT_EQ(control->objectName(), want.objectName);
        EXPECT_EQ(QString::fromLatin1(control->metaObject()->className()), want.className);
        EXPECT_EQ(control->property(cw::kControlIdProperty).toInt(), want.id);
        EXPECT_EQ(control->property(cw::kDialogUnitsProperty).toRect(), want.dialogUnits);
        EXPECT_EQ(ShownText(control), want.text);
    }
}

TEST_P(DialogTemplate, TabsThroughItsTabStopsInTemplateOrder) {
    QStringList tabStops;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
        if (w->parentWidget() == &dialog && (w->focusPolicy() & Qt::TabFocus) != 0)
            tabStops << w->objectName();
    EXPECT_EQ(tabStops, GetParam().tabStops);
}

TEST_P(DialogTemplate, FindsEveryControlByItsId) {
    for (const ControlExpectation& want : GetParam().controls) {
        if (want.id == cw::kNoControlId)
            continue;
        const QWidget* control = FindControl(&dialog, want.id);
        ASSERT_NE(control, nullptr) << want.id;
        EXPECT_EQ(control->objectName(), want.objectName);
    }
    EXPECT_EQ(FindControl(&dialog, cw::kNoControlId), nullptr);
    EXPECT_EQ(FindControl(&dialog, 9999), nullptr);
    EXPECT_EQ(FindControl(nullptr, 1), nullptr);
}

TEST_P(DialogTemplate, DefaultPushButtonsAreTheDialogDefaults) {
    const int defaultId = GetParam().name == "TOP" ? 2 : 1;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        const bool isDefault = button->property(cw::kControlIdProperty).toInt() == defaultId;
        EXPECT_EQ(button->isDefault(), isDefault) << button->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, DialogTemplate, ::testing::ValuesIn(Templates()),
                         [](const auto& info) { return info.param.name; });

} // namespace
