#include "ui/control_styles.h"
#include "ui/dialog_builder.h"
#include "ui/dialog_units.h"
#include "resources/about_dialog_template.h"
#include "resources/interface_dialog_template.h"
#include "resources/main_dialog_template.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The width a caption may take: the control's, less a check box's indicator and its spacing.
int CaptionWidth(const DialogControlSpec& entry, const QWidget* widget)
{
    if (entry.kind != ControlKind::AutoCheckBox || (entry.style & BS_PUSHLIKE) != 0)
        return widget->width();
    const QStyle* style = widget->style();
    return widget->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
}

TEST(DialogTemplates, APressAtAnInputControlsCentreReachesItAndEveryCaptionFitsInTheDialogFont)
{
    for (const auto make : {&MainDialogTemplate, &InterfaceDialogTemplate, &AboutDialogTemplate}) {
        const DialogTemplate dialogTemplate = make();
        const QFontMetrics metrics(DialogFont(dialogTemplate));
        QWidget client;
        client.resize(DialogUnitsToPixels({QPoint(), dialogTemplate.sizeInDialogUnits}).size());
        for (const BuiltControl& control : BuildDialogControls(dialogTemplate, &client)) {
            const DialogControlSpec& entry = *control.entry;
            SCOPED_TRACE(testing::Message() << dialogTemplate.caption.toStdString() << " "
                                            << entry.id << " " << entry.caption.toStdString());
            if (entry.hidden || entry.kind == ControlKind::Picture)
                continue;
            EXPECT_LE(metrics.horizontalAdvance(entry.caption.trimmed()),
                      CaptionWidth(entry, control.widget));
            if (entry.kind == ControlKind::StaticText || entry.kind == ControlKind::GroupBox)
                continue;
            QWidget* found = client.childAt(control.widget->geometry().center());
            EXPECT_TRUE(found == control.widget || control.widget->isAncestorOf(found))
                << (found ? found->metaObject()->className() : "nothing");
        }
    }
}

} // namespace
