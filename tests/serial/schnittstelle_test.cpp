#include "serial/schnittstelle.h"

#include "framework/dialog_ids.h"
#include "platform/serial_device.h"
#include "reader-sim/pty_reader_server.h"
#include "resources/interface_dialog_ids.h"
#include "support/fake_port_folder.h"
#include "support/pty_pair.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

QStringList Entries(const QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

class SchnittstelleTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder.IsValid()); }

    QComboBox* Combo(int id) const { return qobject_cast<QComboBox*>(dialog.GetDlgItem(id)); }
    QComboBox* PortCombo() const { return Combo(InterfaceDialogId::kPortCombo); }
    QComboBox* BaudCombo() const { return Combo(InterfaceDialogId::kBaudRateCombo); }
    QPushButton* Button(int id) const { return qobject_cast<QPushButton*>(dialog.GetDlgItem(id)); }

    // Runs the dialog modally; `operate` runs inside the modal loop and must end it.
    int RunModal(const std::function<void()>& operate)
    {
        QTimer::singleShot(0, [&] { operate(); });
        return dialog.DoModal();
    }

    FakePortFolder folder;
    CSchnittstelle dialog{nullptr, folder.Roots()};
};

} // namespace

TEST_F(SchnittstelleTest, WindowHasCaptionGroupLabelsAndButtons)
{
    ASSERT_TRUE(dialog.Create());
    QWidget* window = dialog.GetSafeWidget();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Interface"));

    QStringList labels;
    for (const QLabel* label : window->findChildren<QLabel*>())
        labels.append(label->text());
    labels.sort();
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Baudrate:"), QStringLiteral("COM Port:")}));
    const auto groups = window->findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups.front()->title(), QStringLiteral("COM Port Settings"));

    ASSERT_NE(Button(IDOK), nullptr);
    ASSERT_NE(Button(IDCANCEL), nullptr);
    EXPECT_EQ(Button(IDOK)->text(), QStringLiteral("OK"));
    EXPECT_EQ(Button(IDCANCEL)->text(), QStringLiteral("Cancel"));
    for (QComboBox* combo : {PortCombo(), BaudCombo()}) {
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(combo->isEditable());
    }
}

TEST_F(SchnittstelleTest, BaudRateListHoldsTheFifteenRatesWithTheirLeadingSpaces)
{
    ASSERT_TRUE(dialog.Create());
    const QStringList expected{
        QStringLiteral("110"),     QStringLiteral(" 300"),    QStringLiteral(" 600"),
        QStringLiteral(" 1200"),   QStringLiteral(" 2400"),   QStringLiteral(" 4800"),
        QStringLiteral(" 9600"),   QStringLiteral(" 14400"),  QStringLiteral(" 19200"),
        QStringLiteral(" 38400"),  QStringLiteral(" 56000"),  QStringLiteral(" 57600"),
        QStringLiteral(" 115200"), QStringLiteral(" 128000"), QStringLiteral(" 256000")};
    EXPECT_EQ(Entries(BaudCombo()), expected);
}

TEST_F(SchnittstelleTest, OpensShowingTheCurrentPortAndBaudRate)
{
    struct Case
    {
        QString port;
        QString baud;
        int selectedBaudEntry; // -1: shown only as edit text
    };
    const Case cases[] = {
        {QStringLiteral("ttyUSB7"), QStringLiteral("9600"), -1},
        {QStringLiteral("/dev/serial/by-id/usb-X"), QStringLiteral("110"), 0},
        {QString(), QStringLiteral("0"), -1},
        {QStringLiteral("com3"), QStringLiteral("-5"), -1},
    };
    PtyPair port;
    ASSERT_TRUE(port.IsValid());
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyS0"), port.SlavePath()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port.toStdString() + " @ " + c.baud.toStdString());
        CSchnittstelle shown(nullptr, folder.Roots());
        shown.portText = c.port;
        shown.baudRateText = c.baud;
        ASSERT_TRUE(shown.Create());
        auto* portCombo = qobject_cast<QComboBox*>(shown.GetDlgItem(InterfaceDialogId::kPortCombo));
        auto* baudCombo =
            qobject_cast<QComboBox*>(shown.GetDlgItem(InterfaceDialogId::kBaudRateCombo));
        EXPECT_EQ(portCombo->currentText(), c.port);
        EXPECT_EQ(Entries(portCombo), QStringList{QStringLiteral("ttyS0")});
        EXPECT_EQ(baudCombo->currentText(), c.baud);
        if (c.selectedBaudEntry >= 0) {
            EXPECT_EQ(baudCombo->currentIndex(), c.selectedBaudEntry);
        }
    }
}

TEST_F(SchnittstelleTest, PortListOffersReadersThatOpenAndLeavesOutOneHeldOpen)
{
    PtyReaderServer free;
    PtyReaderServer held;
    PtyReaderServer another;
    ASSERT_TRUE(free.Start() && held.Start() && another.Start());
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyUSB10"), free.SlavePath()));
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyUSB2"), held.SlavePath()));
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyUSB1"), another.SlavePath()));
    std::unique_ptr<SerialDevice> holder = SerialDevice::Open(held.SlavePath());
    ASSERT_NE(holder, nullptr);
    dialog.portText = QStringLiteral("ttyUSB2");

    ASSERT_TRUE(dialog.Create());

    EXPECT_EQ(Entries(PortCombo()),
              (QStringList{QStringLiteral("ttyUSB1"), QStringLiteral("ttyUSB10")}));
    EXPECT_EQ(dialog.portList.GetCount(), 2);
    EXPECT_EQ(PortCombo()->currentText(), QStringLiteral("ttyUSB2"));
}

TEST_F(SchnittstelleTest, NoOpenablePortLeavesAnEmptyListAndTheNameInTheField)
{
    dialog.portText = QStringLiteral("ttyUSB0");
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(PortCombo()->count(), 0);
    EXPECT_EQ(PortCombo()->currentText(), QStringLiteral("ttyUSB0"));
}

TEST_F(SchnittstelleTest, OkButtonHasTheFocusWhenTheDialogOpens)
{
    ASSERT_TRUE(dialog.Create());
    QApplication::setActiveWindow(dialog.GetSafeWidget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.GetSafeWidget()));
    EXPECT_EQ(QApplication::focusWidget(), Button(IDOK));
}

TEST_F(SchnittstelleTest, OkTakesBothTextsAsTheComboBoxesShowThem)
{
    PtyPair port;
    ASSERT_TRUE(port.IsValid());
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyACM0"), port.SlavePath()));
    struct Case
    {
        const char* name;
        std::function<void(QComboBox* port, QComboBox* baud)> operate;
        QString port;
        QString baud;
    };
    const Case cases[] = {
        {"picked entries",
         [](QComboBox* p, QComboBox* b) {
             p->setCurrentIndex(0);
             b->setCurrentIndex(6);
         },
         QStringLiteral("ttyACM0"), QStringLiteral(" 9600")},
        {"typed texts",
         [](QComboBox* p, QComboBox* b) {
             p->setEditText(QStringLiteral("ttyusb3"));
             b->setEditText(QStringLiteral("9600 baud"));
         },
         QStringLiteral("ttyusb3"), QStringLiteral("9600 baud")},
        {"untouched", [](QComboBox*, QComboBox*) {}, QStringLiteral("ttyS4"),
         QStringLiteral("19200")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSchnittstelle modal(nullptr, folder.Roots());
        modal.portText = QStringLiteral("ttyS4");
        modal.baudRateText = QStringLiteral("19200");
        QTimer::singleShot(0, [&] {
            auto* portCombo =
                qobject_cast<QComboBox*>(modal.GetDlgItem(InterfaceDialogId::kPortCombo));
            auto* baudCombo =
                qobject_cast<QComboBox*>(modal.GetDlgItem(InterfaceDialogId::kBaudRateCombo));
            c.operate(portCombo, baudCombo);
            QTest::mouseClick(qobject_cast<QPushButton*>(modal.GetDlgItem(IDOK)), Qt::LeftButton);
        });
        EXPECT_EQ(modal.DoModal(), IDOK);
        EXPECT_EQ(modal.portText, c.port);
        EXPECT_EQ(modal.baudRateText, c.baud);
    }
}

TEST_F(SchnittstelleTest, CancelKeepsTheTextsItWasOpenedWith)
{
    dialog.portText = QStringLiteral("ttyS4");
    dialog.baudRateText = QStringLiteral("19200");
    const int result = RunModal([this] {
        PortCombo()->setEditText(QStringLiteral("ttyUSB9"));
        BaudCombo()->setCurrentIndex(3);
        QTest::mouseClick(Button(IDCANCEL), Qt::LeftButton);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.portText, QStringLiteral("ttyS4"));
    EXPECT_EQ(dialog.baudRateText, QStringLiteral("19200"));
}
