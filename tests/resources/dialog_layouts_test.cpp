#include "ui/dialog_builder.h"
#include "ui/dialog_units.h"
#include "resources/dialog_layouts.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The width a caption may take: the control's, less a check box's indicator and its spacing.
int CaptionWidth(const ControlSpec& entry, const QWidget* widget)
{
    if (entry.kind != ControlKind::CheckBox || (entry.options & PushLike) != 0)
        return widget->width();
    const QStyle* style = widget->style();
    return widget->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
}

TEST(DialogLayouts, APressAtAnInputControlsCentreReachesItAndEveryCaptionFitsInTheDialogFont)
{
    for (const auto make : {&MainWindowLayout, &InterfaceDialogLayout, &AboutDialogLayout}) {
        const DialogLayout layout = make();
        const QFontMetrics metrics(DialogFont(layout));
        QWidget client;
        client.resize(DialogUnitsToPixels({QPoint(), layout.sizeInDialogUnits}).size());
        const std::vector<QWidget*> widgets = BuildControls(layout, &client);
        ASSERT_EQ(widgets.size(), layout.controls.size());
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            const ControlSpec& entry = layout.controls[i];
            SCOPED_TRACE(testing::Message() << layout.caption.toStdString() << " "
                                            << entry.name.toStdString() << " "
                                            << entry.caption.toStdString());
            if (entry.kind == ControlKind::Picture)
                continue;
            EXPECT_LE(metrics.horizontalAdvance(entry.caption.trimmed()),
                      CaptionWidth(entry, widgets[i]));
            if (entry.kind == ControlKind::Label || entry.kind == ControlKind::ColouredLabel ||
                entry.kind == ControlKind::GroupBox)
                continue;
            QWidget* found = client.childAt(widgets[i]->geometry().center());
            EXPECT_TRUE(found == widgets[i] || widgets[i]->isAncestorOf(found))
                << (found ? found->metaObject()->className() : "nothing");
        }
    }
}

} // namespace
