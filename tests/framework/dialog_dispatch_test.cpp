#include "framework/menu_flags.h"
#include "framework/notification_codes.h"
#include "framework/up_down_control.h"
#include "sample_dialog.h"
#include "support/recording_message_presenter.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TEST(DialogDispatch, RealButtonClicksAndUpDownInputReachTheirHandlers)
{
    SampleDialog dialog;
    const std::vector<int> buttons = {sample::kWriteButton, sample::kReadBox, sample::kPlainBox};
    std::vector<int> clicked, deltas;
    for (int id : buttons)
        dialog.GetMessageMap().OnCommand(id, [&clicked, id] { clicked.push_back(id); });
    dialog.GetMessageMap().OnDeltaPos(sample::kSpin, [&](const NMUPDOWN& change) {
        deltas.push_back(change.iDelta);
        return LRESULT{0};
    });
    dialog.Open();
    for (int id : buttons)
        QTest::mouseClick(dialog.GetDlgItem(id), Qt::LeftButton);
    EXPECT_EQ(clicked, buttons);
    EXPECT_TRUE(dialog.Item<QPushButton>(sample::kReadBox)->isChecked()); // push-like box toggles

    auto* spin = dialog.Item<UpDownControl>(sample::kSpin);
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(deltas, (std::vector<int>{-1, 1, -1}));
}

TEST(DialogDispatch, EndingRequestsRunTheirEntryOrTheDefaultCompletion)
{
    using Trigger = void (*)(SampleDialog&);
    const std::pair<Trigger, int> requests[] = {
        {[](SampleDialog& d) { d.DispatchNotification(BN_CLICKED, IDOK); }, IDOK},
        {[](SampleDialog& d) { d.GetSafeWidget()->close(); }, IDCANCEL},
        {[](SampleDialog& d) { d.GetSystemMenu()->FindCommand(SC_CLOSE)->trigger(); }, IDCANCEL}};
    for (const auto& [trigger, result] : requests) {
        SampleDialog plain;
        plain.Open();
        trigger(plain);
        EXPECT_EQ(plain.EndResult(), result);
    }

    SampleDialog overridden;
    std::vector<int> runs;
    overridden.GetMessageMap().OnCommand(IDOK, [&] { runs.push_back(IDOK); });
    overridden.GetMessageMap().OnClose([&] { runs.push_back(0); });
    overridden.GetMessageMap().OnSysCommand([&](UINT command) { runs.push_back(int(command)); });
    overridden.Open();
    ASSERT_TRUE(overridden.GetSystemMenu()->AppendMenu(MF_STRING, 0x10, QStringLiteral("&Info")));
    for (const auto& request : requests)
        request.first(overridden);
    overridden.GetSystemMenu()->FindCommand(0x10)->trigger();
    EXPECT_EQ(runs, (std::vector<int>{IDOK, 0, SC_CLOSE, 0x10}));
    EXPECT_FALSE(overridden.EndResult());
}

TEST(DialogDispatch, MenuCommandsDispatchAndCarryCheckMarks)
{
    SampleDialog dialog;
    int shows = 0;
    dialog.GetMessageMap().OnCommand(sample::kShowCommand, [&] { ++shows; });
    dialog.Open();
    CMenu* menu = dialog.GetMenu();
    ASSERT_NE(menu, nullptr);
    menu->FindCommand(sample::kShowCommand)->trigger();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(menu->CheckMenuItem(sample::kShowCommand, MF_CHECKED), int(MF_UNCHECKED));
    EXPECT_EQ(menu->GetMenuState(sample::kShowCommand), int(MF_CHECKED));
    EXPECT_EQ(menu->CheckMenuItem(sample::kShowCommand, MF_UNCHECKED), int(MF_CHECKED));
    EXPECT_EQ(menu->CheckMenuItem(4242, MF_CHECKED), -1);
}

TEST(ModalRun, EndsWithTheResultGivenToEndDialogDestroysTheWindowAndCanRunAgain)
{
    SampleDialog dialog;
    int destroyed = 0;
    dialog.GetMessageMap().OnDestroy([&] {
        ++destroyed;
        EXPECT_NE(dialog.GetDlgItem(sample::kPageField), nullptr); // controls still exist
    });
    QTimer::singleShot(0, [&] { dialog.EndDialog(IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(dialog.GetSafeWidget(), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(sample::kPageField), nullptr);
    QTimer::singleShot(
        0, [&] { QTest::keyClick(dialog.GetDlgItem(sample::kWriteButton), Qt::Key_Escape); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(ModalRun, EndingDuringInitialisationReturnsWithoutALoop)
{
    class EndsAtOnce : public SampleDialog
    {
        bool OnInitDialog() override
        {
            SampleDialog::OnInitDialog();
            EndDialog(IDCANCEL);
            return true;
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(MessageBoxes, GoThroughTheCurrentPresenterWithTheirTitlesAndIcons)
{
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    SampleDialog dialog;
    dialog.Create();
    {
        RecordingMessagePresenter boxes;
        EXPECT_EQ(AfxMessageBox(QStringLiteral("change P1")), IDOK);
        EXPECT_EQ(dialog.MessageBox(QStringLiteral("COM9 could not be opened!"),
                                    QStringLiteral("Error"), MB_ICONERROR),
                  IDOK);
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Orvane"));
        EXPECT_EQ(boxes.shown[0].text, QStringLiteral("change P1"));
        EXPECT_EQ(boxes.shown[1].owner, dialog.GetSafeWidget());
        EXPECT_EQ(boxes.shown[1].title, QStringLiteral("Error"));
        EXPECT_EQ(boxes.shown[1].type & MB_ICONMASK, MB_ICONERROR);
    }
    EXPECT_EQ(dynamic_cast<RecordingMessagePresenter*>(&CurrentMessagePresenter()), nullptr);
}

} // namespace
