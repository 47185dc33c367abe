#include "app/main_window_fixture.h"

#include "framework/dialog_ids.h"
#include "framework/dialog_window.h"
#include "framework/menu_flags.h"
#include "platform/serial_device.h"
#include "resources/command_ids.h"
#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using MainWindowTest = MainWindowFixture;

// Tab stops in the order Tab visits them.
std::vector<int> ExpectedTabOrder()
{
    std::vector<int> order = {kWriteButton, kReadButton, kLockButton, kAllBox};
    for (const PageRowConstants& row : kPageRows)
        order.push_back(row.checkBoxId);
    for (const PageRowConstants& row : kPageRows)
        order.push_back(row.fieldId);
    order.insert(order.end(), {kDefaultContentButton, kCarrierIdLengthField, kReadCarrierIdButton,
                               kWriteCarrierIdButton, kCarrierIdField, kSendField, kSendButton,
                               kTerminalOutput, kReadUidButton, kUidField, kHexBox, kAsciiBox});
    return order;
}

QColor PixelAtCentre(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTemplateOrder)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    window.terminal.shown = 1;
    window.FitWindowToTerminal();
    // The Enter-reporting fields keep Tab, so walk the focus chain that Tab follows elsewhere.
    const std::vector<int> expected = ExpectedTabOrder();
    std::vector<int> visited;
    QWidget* start = window.GetDlgItem(expected.front());
    QWidget* current = start;
    do {
        if ((current->focusPolicy() & Qt::TabFocus) && current->isVisible()) {
            for (int candidate : expected)
                if (window.GetDlgItem(candidate) == current)
                    visited.push_back(candidate);
        }
        current = current->nextInFocusChain();
    } while (current != start && visited.size() < 2 * expected.size());
    EXPECT_EQ(visited, expected);
}

TEST_F(MainWindowTest, LabelsAreWhiteOnBlackAndFieldsWhiteOnABlackBackdrop)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    int labelCount = 0;
    window.labels.ForEach([&](CXColorStatic& label) {
        ++labelCount;
        EXPECT_EQ(label.backgroundColor, kColourBlack);
        EXPECT_EQ(label.textColor, kColourWhite);
        EXPECT_TRUE(label.IsAttached());
    });
    EXPECT_EQ(labelCount, 39);
    const QImage label = window.GetDlgItem(kCarrierIdLengthLabel)->grab().toImage();
    EXPECT_EQ(label.pixelColor(label.width() - 2, label.height() - 2), QColor(Qt::black));

    const auto pageFields = window.pageFields.InPageOrder();
    std::vector<ColouredEnterEdit*> fields(pageFields.begin(), pageFields.end());
    fields.push_back(&window.carrierIdField);
    fields.push_back(&window.uidField);
    for (ColouredEnterEdit* field : fields) {
        EXPECT_EQ(field->backgroundColor, kColourWhite);
        EXPECT_EQ(PixelAtCentre(field->GetSafeWidget()), QColor(Qt::white));
    }
    const QImage backdrop = window.GetSafeWidget()->ClientArea()->grab().toImage();
    EXPECT_EQ(backdrop.pixelColor(backdrop.width() - 5, backdrop.height() / 2), QColor(Qt::black));
}

TEST_F(MainWindowTest, ShowTwiceReturnsToTheNarrowSizeAtTheSameCorner)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    DialogWindow* frame = window.GetSafeWidget();
    frame->move(120, 80);
    const QPoint corner = window.GetWindowRect().topLeft();
    const int menuHeight = frame->MenuBarHeight();
    EXPECT_EQ(frame->ClientArea()->size(), QSize(660, 429));
    EXPECT_EQ(frame->height(), 429 + menuHeight);
    for (int id : {kSendField, kSendButton, kTerminalOutput})
        EXPECT_GE(window.GetDlgItem(id)->geometry().left(), 660) << id;

    window.DispatchCommand(CommandId::kTerminalShow);
    EXPECT_EQ(window.terminal.shown, 1);
    EXPECT_EQ(frame->ClientArea()->size(), QSize(874, 429));
    EXPECT_EQ(window.GetMenu()->GetMenuState(CommandId::kTerminalShow), int(MF_CHECKED));
    for (int id : {kSendField, kSendButton, kTerminalOutput})
        EXPECT_LE(window.GetDlgItem(id)->geometry().right(), 873) << id;

    window.DispatchCommand(CommandId::kTerminalShow);
    EXPECT_EQ(window.terminal.shown, 0);
    EXPECT_EQ(frame->ClientArea()->size(), QSize(660, 429));
    EXPECT_EQ(window.GetWindowRect().topLeft(), corner);
    EXPECT_EQ(window.GetMenu()->GetMenuState(CommandId::kTerminalShow), int(MF_UNCHECKED));
}

TEST_F(MainWindowTest, ExitTakesTheFieldsOverAndSavesThem)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    Control<QLineEdit>(kPageRows[0].fieldId)->setText(QStringLiteral("0011223344556677"));
    window.DispatchCommand(CommandId::kFileExit);
    EXPECT_EQ(window.EndResult(), IDOK);
    Close();
    EXPECT_TRUE(SettingsText().contains("\nP1=0011223344556677\n")) << SettingsText().toStdString();
}

TEST_F(MainWindowTest, EscapeEndsWithoutTakingTheFieldsOverYetSavesAndClosesThePort)
{
    WriteReaderSettings("[Data]\nP1=AAAA\n");
    COrvaneDlg& window = Open();
    Control<QLineEdit>(kPageRows[0].fieldId)->setText(QStringLiteral("0011223344556677"));
    QTest::keyClick(window.GetDlgItem(kLockButton), Qt::Key_Escape);
    EXPECT_EQ(window.EndResult(), IDCANCEL);
    Close();
    EXPECT_TRUE(SettingsText().contains("\nP1=AAAA\n")) << SettingsText().constData();
    EXPECT_TRUE(presenter.shown.empty());
    // The port was released: another program can take it now.
    EXPECT_NE(SerialDevice::Open(SlavePath()), nullptr);
}

TEST_F(MainWindowTest, CloseBoxClosesThePortOnceAndEndsWithCancel)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    ASSERT_NE(window.serialLink.portHandle, nullptr);
    window.GetSafeWidget()->close();
    EXPECT_EQ(window.EndResult(), IDCANCEL);
    EXPECT_EQ(window.serialLink.portHandle, nullptr);
    EXPECT_FALSE(window.serialLink.receiveThread.IsRunning());
    EXPECT_EQ(window.serialLink.connected, 1); // left as it was
    Close();
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_TRUE(SettingsText().contains("[Terminal]"));
}

TEST_F(MainWindowTest, ExitWithAnOverlongAsciiPageKeepsTheWindowOpenOnThatField)
{
    WriteReaderSettings("[Data]\nFormat=1\nP2=0123456789ABCDEF\nUID=old\n");
    COrvaneDlg& window = Open();
    EXPECT_EQ(Control<QLineEdit>(kPageRows[1].fieldId)->text(), QStringLiteral("0123456789ABCDEF"));
    Control<QLineEdit>(kUidField)->setText(QStringLiteral("new"));
    window.DispatchCommand(CommandId::kFileExit);
    EXPECT_FALSE(window.EndResult().has_value());
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), window.GetDlgItem(kPageRows[1].fieldId));
    EXPECT_EQ(window.uidText, QStringLiteral("old")); // bound after the page fields
}

TEST_F(MainWindowTest, EnterInPageCarrierIdAndUidFieldsNeitherSendsNorCloses)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    for (int id : {kPageRows[0].fieldId, kPageRows[16].fieldId, kCarrierIdField, kUidField}) {
        SCOPED_TRACE(id);
        QTest::keyClick(window.GetDlgItem(id), Qt::Key_Return);
        EXPECT_FALSE(window.EndResult().has_value());
    }
    QTest::qWait(50);
    EXPECT_TRUE(reader->ReceivedBytes().isEmpty());
}

TEST_F(MainWindowTest, MissingPortShowsOneMessageAndLeavesAUsableWindow)
{
    WriteSettings("[Interface]\nPort=/dev/no-such-reader\nBaudrate=9600\n");
    COrvaneDlg& window = Open();
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_TRUE(presenter.shown[0].text.startsWith(
        QStringLiteral("/dev/no-such-reader could not be opened!\nThere is no such device")));
    EXPECT_EQ(window.serialLink.connected, 0);
    window.DispatchCommand(CommandId::kTerminalShow);
    window.DispatchCommand(kSendButton);
    Close();
    EXPECT_EQ(presenter.shown.size(), 1u);
}

TEST_F(MainWindowTest, InfoOpensTheAboutBoxWithoutAVisibleButtonAndEscapeClosesIt)
{
    WriteReaderSettings();
    COrvaneDlg& window = Open();
    QSize picture;
    bool visibleButton = true;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr)
            return;
        for (QLabel* label : box->findChildren<QLabel*>())
            if (!label->pixmap().isNull())
                picture = label->pixmap().size();
        visibleButton = false;
        for (QPushButton* button : box->findChildren<QPushButton*>())
            visibleButton = visibleButton || button->isVisible();
        QTest::keyClick(box, Qt::Key_Return); // no visible OK: Enter does not close it
        QTest::keyClick(box, Qt::Key_Escape);
    });
    window.DispatchCommand(CommandId::kInfo);
    EXPECT_EQ(picture, QSize(460, 460));
    EXPECT_FALSE(visibleButton);
    EXPECT_FALSE(window.EndResult().has_value());
}

} // namespace
