#include "framework/control_styles.h"
#include "framework/dialog_builder.h"
#include "framework/dialog_units.h"
#include "resources/about_dialog_template.h"
#include "resources/interface_dialog_template.h"
#include "resources/main_dialog_template.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

bool TakesInput(const DialogControlSpec& entry)
{
    return !entry.hidden && entry.kind != ControlKind::StaticText &&
           entry.kind != ControlKind::Picture && entry.kind != ControlKind::GroupBox;
}

// The width a caption may take: the control's, less a check box's indicator and its spacing.
int CaptionWidth(const DialogControlSpec& entry, const QWidget* widget)
{
    const bool indicator =
        entry.kind == ControlKind::AutoCheckBox && (entry.style & BS_PUSHLIKE) == 0;
    const QStyle* style = widget->style();
    return widget->width() - (indicator ? style->pixelMetric(QStyle::PM_IndicatorWidth) +
                                              style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                                        : 0);
}

struct NamedTemplate
{
    const char* name;
    DialogTemplate (*make)();
};

class DialogTemplates : public ::testing::TestWithParam<NamedTemplate>
{
};

TEST_P(DialogTemplates, AClickAtTheCentreOfAnInputControlReachesThatControl)
{
    const DialogTemplate dialogTemplate = GetParam().make();
    QWidget client;
    client.resize(DialogUnitsToPixels(QRect(QPoint(), dialogTemplate.sizeInDialogUnits)).size());
    for (const BuiltControl& control : BuildDialogControls(dialogTemplate, &client)) {
        if (!TakesInput(*control.entry))
            continue;
        SCOPED_TRACE(control.entry->id);
        QWidget* found = client.childAt(control.widget->geometry().center());
        EXPECT_TRUE(found == control.widget || control.widget->isAncestorOf(found))
            << (found ? found->metaObject()->className() : "nothing");
    }
}

TEST_P(DialogTemplates, EveryCaptionFitsItsControlInTheDialogFont)
{
    const DialogTemplate dialogTemplate = GetParam().make();
    const QFontMetrics metrics(DialogFont(dialogTemplate));
    QWidget client;
    for (const BuiltControl& control : BuildDialogControls(dialogTemplate, &client)) {
        const QString caption = control.entry->caption.trimmed();
        if (caption.isEmpty() || control.entry->hidden ||
            control.entry->kind == ControlKind::Picture)
            continue;
        SCOPED_TRACE(caption.toStdString());
        EXPECT_LE(metrics.horizontalAdvance(caption), CaptionWidth(*control.entry, control.widget));
    }
}

INSTANTIATE_TEST_SUITE_P(, DialogTemplates,
                         ::testing::Values(NamedTemplate{"Main", &MainDialogTemplate},
                                           NamedTemplate{"Interface", &InterfaceDialogTemplate},
                                           NamedTemplate{"About", &AboutDialogTemplate}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
