#include "framework/cbutton.h"
#include "framework/menu_flags.h"
#include "framework/notification_codes.h"
#include "framework/registered_messages.h"
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

TEST(DialogDispatch, ClickingRealButtonsReachesTheirHandlers)
{
    SampleDialog dialog;
    std::vector<int> clicked;
    for (int id : {sample::kWriteButton, sample::kReadBox, sample::kPlainBox})
        dialog.GetMessageMap().OnCommand(id, [&clicked, id] { clicked.push_back(id); });
    dialog.Open();
    for (int id : {sample::kWriteButton, sample::kReadBox, sample::kPlainBox})
        QTest::mouseClick(dialog.GetDlgItem(id), Qt::LeftButton);
    EXPECT_EQ(clicked,
              (std::vector<int>{sample::kWriteButton, sample::kReadBox, sample::kPlainBox}));
    // a push-like box toggles its pressed look with each click
    EXPECT_TRUE(dialog.Item<QPushButton>(sample::kReadBox)->isChecked());
}

TEST(DialogDispatch, UpDownArrowsAndKeysProposeMinusOneUpAndPlusOneDown)
{
    SampleDialog dialog;
    std::vector<int> deltas;
    dialog.GetMessageMap().OnDeltaPos(sample::kSpin, [&](const NMUPDOWN& change) {
        deltas.push_back(change.iDelta);
        return LRESULT{0};
    });
    dialog.Open();
    auto* spin = dialog.Item<UpDownControl>(sample::kSpin);
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(deltas, (std::vector<int>{-1, 1, -1}));
}

TEST(DialogDispatch, RegisteredMessageReachesItsEntryOrGetsDefaultProcessing)
{
    SampleDialog dialog;
    const UINT handled = RegisterWindowMessage(QStringLiteral("UWM_DISPATCH_HANDLED"));
    const UINT unhandled = RegisterWindowMessage(QStringLiteral("UWM_DISPATCH_UNHANDLED"));
    CButton control;
    WPARAM seenId = 0;
    CWnd* seenControl = nullptr;
    dialog.GetMessageMap().OnRegisteredMessage(handled, [&](WPARAM id, CWnd* sender) {
        seenId = id;
        seenControl = sender;
        return LRESULT{7};
    });
    EXPECT_EQ(dialog.SendMessage(handled, 1006, &control), 7);
    EXPECT_EQ(seenId, 1006u);
    EXPECT_EQ(seenControl, &control);
    EXPECT_EQ(dialog.SendMessage(unhandled, 1071, &control), 0);
}

TEST(DialogDispatch, OkAndCancelButtonsRunTheirEntryOrTheDefaultCompletion)
{
    SampleDialog plain;
    plain.Open();
    plain.DispatchNotification(BN_CLICKED, IDOK);
    EXPECT_EQ(plain.EndResult(), IDOK);

    SampleDialog overridden;
    int okRuns = 0;
    overridden.GetMessageMap().OnCommand(IDOK, [&] { ++okRuns; });
    overridden.Open();
    overridden.DispatchCommand(IDOK);
    EXPECT_EQ(okRuns, 1);
    EXPECT_FALSE(overridden.EndResult());
    overridden.DispatchCommand(IDCANCEL);
    EXPECT_EQ(overridden.EndResult(), IDCANCEL);
}

TEST(DialogDispatch, CloseRequestRunsItsEntryThenDefaultCancel)
{
    SampleDialog dialog;
    std::vector<QString> steps;
    dialog.GetMessageMap().OnClose([&] { steps.push_back(QStringLiteral("close")); });
    dialog.Open();
    dialog.GetSafeWidget()->close();
    EXPECT_EQ(steps, std::vector<QString>{QStringLiteral("close")});
    EXPECT_FALSE(dialog.EndResult()); // the entry did not ask for the default

    SampleDialog plain;
    plain.Open();
    plain.GetSafeWidget()->close();
    EXPECT_EQ(plain.EndResult(), IDCANCEL);
}

TEST(DialogDispatch, SystemMenuEntriesReachTheSystemCommandHandler)
{
    constexpr UINT kAboutCommand = 0x10;
    SampleDialog dialog;
    std::vector<UINT> commands;
    dialog.GetMessageMap().OnSysCommand([&](UINT command) { commands.push_back(command); });
    dialog.Open();
    CMenu* systemMenu = dialog.GetSystemMenu();
    ASSERT_NE(systemMenu, nullptr);
    EXPECT_TRUE(systemMenu->AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(systemMenu->AppendMenu(MF_STRING, kAboutCommand, QStringLiteral("&Info")));
    systemMenu->FindCommand(kAboutCommand)->trigger();
    systemMenu->FindCommand(SC_CLOSE)->trigger();
    EXPECT_EQ(commands, (std::vector<UINT>{kAboutCommand, SC_CLOSE}));
    EXPECT_FALSE(dialog.EndResult());

    SampleDialog plain;
    plain.Open();
    plain.GetSystemMenu()->FindCommand(SC_CLOSE)->trigger();
    EXPECT_EQ(plain.EndResult(), IDCANCEL);
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
    EXPECT_EQ(menu->GetMenuState(sample::kShowCommand), int(MF_UNCHECKED));
    EXPECT_EQ(menu->CheckMenuItem(4242, MF_CHECKED), -1);
    EXPECT_EQ(menu->GetMenuState(4242), -1);
}

TEST(DialogDispatch, NotificationsAreIgnoredWhileTheDialogExchangesData)
{
    class LockedOut : public SampleDialog
    {
    public:
        int clicks = 0;
        int deltas = 0;

    protected:
        void DoDataExchange(CDataExchange& dx) override
        {
            DispatchNotification(BN_CLICKED, sample::kWriteButton);
            DispatchDeltaPos(sample::kSpin, 1);
            SampleDialog::DoDataExchange(dx);
        }
    } dialog;
    dialog.GetMessageMap().OnCommand(sample::kWriteButton, [&] { ++dialog.clicks; });
    dialog.GetMessageMap().OnDeltaPos(sample::kSpin, [&](const NMUPDOWN&) {
        ++dialog.deltas;
        return LRESULT{0};
    });
    dialog.Open();
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.clicks, 0);
    EXPECT_EQ(dialog.deltas, 0);
    dialog.DispatchNotification(BN_CLICKED, sample::kWriteButton);
    EXPECT_EQ(dialog.clicks, 1);
}

TEST(ModalRun, EndsWithTheResultGivenToEndDialogAndDestroysTheWindow)
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
}

TEST(ModalRun, EscapeKeyEndsTheRunWithCancel)
{
    SampleDialog dialog;
    QTimer::singleShot(
        0, [&] { QTest::keyClick(dialog.GetDlgItem(sample::kWriteButton), Qt::Key_Escape); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // the same object can run again
    QTimer::singleShot(0, [&] { dialog.EndDialog(IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
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
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvane"));
    SampleDialog dialog;
    dialog.Create();
    {
        RecordingMessagePresenter boxes;
        EXPECT_EQ(&CurrentMessagePresenter(), &boxes);
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
