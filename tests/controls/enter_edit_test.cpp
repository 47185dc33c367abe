#include "controls/edit_message_names.h"
#include "controls/enter_edit.h"
#include "controls/numbered_enter_edits.h"
#include "framework/cdialog_ex.h"
#include "framework/ddx.h"
#include "framework/registered_messages.h"
#include "framework/single_line_edit.h"
#include "support/sample_dialog_template.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The sample template with Enter-reporting fields bound the way the main window binds them.
class FieldsDialog : public CDialogEx
{
public:
    FieldsDialog() : CDialogEx(sample::Template()) {}
    using CDialogEx::GetMessageMap;

    CEnterEdit sendField;
    CEnterEdit1 pageField;
    CEnterEdit18 carrierField;

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Control(dx, sample::kSendField, sendField);
        DDX_Control(dx, sample::kPageField, pageField);
        DDX_Control(dx, sample::kLengthField, carrierField);
    }
};

TEST(EnterEdit, EnterReachesTheDialogAsTheFieldsMessageAndOtherKeysStayInTheField)
{
    FieldsDialog dialog;
    using Received = std::pair<WPARAM, CWnd*>;
    std::vector<Received> received;
    const UINT pageFieldMessage = RegisterWindowMessage(NumberedEditMessageName(1));
    dialog.GetMessageMap().OnRegisteredMessage(pageFieldMessage, [&](WPARAM id, CWnd* control) {
        received.emplace_back(id, control);
        return LRESULT{0};
    });
    dialog.Create();
    QApplication::setActiveWindow(dialog.GetSafeWidget());
    (void)QTest::qWaitForWindowActive(dialog.GetSafeWidget());

    for (int id : {sample::kSendField, sample::kPageField, sample::kLengthField}) {
        SCOPED_TRACE(id);
        auto* field = static_cast<QLineEdit*>(dialog.GetDlgItem(id));
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("12"));
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(field, Qt::Key_Tab);
        QTest::keyClick(field, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_EQ(QApplication::focusWidget(), field);
        EXPECT_EQ(field->text(), QStringLiteral("12"));
    }
    // only the page field's class has an entry in the map
    const Received page{WPARAM(sample::kPageField), &dialog.pageField};
    EXPECT_EQ(received, (std::vector<Received>{page, page}));
    EXPECT_FALSE(dialog.EndResult());
}

TEST(EnterEdit, DestroyingEitherSideFirstLeavesTheOtherWorking)
{
    FieldsDialog dialog;
    dialog.Create();
    auto field = std::make_unique<CEnterEdit1>();
    auto* widget = new SingleLineEdit(dialog.GetSafeWidget()->ClientArea());
    ASSERT_TRUE(field->Attach(widget, sample::kPageField));
    EXPECT_FALSE(field->Attach(widget, sample::kPageField)); // attached once only
    field.reset();
    QTest::keyClicks(widget, QStringLiteral("ab"));
    EXPECT_EQ(widget->text(), QStringLiteral("ab"));

    dialog.DestroyWindow();
    EXPECT_FALSE(dialog.pageField.IsAttached());
    dialog.pageField.SetBackgroundColor(kColourRed);
    dialog.pageField.SetWindowText(QStringLiteral("x"));
    EXPECT_EQ(dialog.pageField.GetWindowText(), QString());
    EXPECT_EQ(dialog.pageField.GetParentDialog(), nullptr);
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(EnterEdit, SetBackgroundColorRepaintsTheFieldBeforeItReturns)
{
    FieldsDialog dialog;
    dialog.Create();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.GetSafeWidget()));
    QWidget* field = dialog.GetDlgItem(sample::kPageField);
    PaintCounter counter;
    field->installEventFilter(&counter);
    for (COLORREF colour : {kColourRed, kColourWhite}) {
        const int before = counter.paints;
        dialog.pageField.SetBackgroundColor(colour);
        EXPECT_GT(counter.paints, before) << colour.Packed();
        EXPECT_EQ(field->grab().toImage().pixelColor(field->width() - 6, field->height() / 2),
                  colour.ToQColor());
    }
    field->removeEventFilter(&counter);
}

} // namespace
