#include "app/reader_campaign.h"

#include "app/stray_line_after_each_box.h"

#include "app/main_window.h"
#include "ui/colours.h"
#include "ui/enter_field.h"
#include "reader-sim/pty_reader_server.h"
#include "resources/control_names.h"
#include "transponder/page_row_table.h"
#include "transponder/reader_operation.h"
#include "transponder/reader_protocol.h"

#include <QTest>
#include <array>
#include <random>

namespace {

enum Operation { kRead, kWrite, kLock };
const QString kButtons[] = {ControlName::kReadButton, ControlName::kWriteButton,
                            ControlName::kLockButton};
// %1 is the page number.
const char* const kCommands[] = {"RD %1\r", "WD %1 ", "LD %1\r"};
const QByteArray kVerbs[] = {"RD", "WD", "LD"};
// Each operation's timeout factor and its page command's wait factor.
const int kTimeoutFactors[] = {TraitsOf(ReaderOperation::ReadPages).timeoutFactor,
                               TraitsOf(ReaderOperation::WritePages).timeoutFactor,
                               TraitsOf(ReaderOperation::LockPages).timeoutFactor};
const int kWaitFactors[] = {kReadPageWaitFactor, kWritePageWaitFactor, kLockPageWaitFactor};

// The runs of one campaign: the window it clicks, the reader it shuffles, its random choices.
struct Campaign
{
    MainWindow& window;
    PtyReaderServer& reader;
    std::mt19937_64 random;
    double slowShare;

    void RunOnce(CampaignResult& result)
    {
        reader.ClearReceivedBytes();
        reader.Configure([this](ReaderEmulator& emulator) { Shuffle(emulator); });
        const Operation operation = Pick(kRead, kRead, kWrite, kWrite, kLock);
        if (slowShare > 0 && Chance(slowShare))
            reader.Configure([&](ReaderEmulator& emulator) { SlowDown(emulator, operation); });
        for (PageRow& row : window.Model().pageRows.rows) {
            row.selected = Chance(0.3) ? 1 : 0;
            if (operation == kWrite)
                row.text = RandomHex(Chance(0.1) ? 15 : 16);
        }
        window.ShowFields();
        // Clicks where the operator would: on the widget found at the button's centre.
        QWidget* client = window.ClientArea();
        const QPoint centre =
            window.findChild<QWidget*>(kButtons[operation])->geometry().center();
        QWidget* found = client->childAt(centre);
        QTest::mouseClick(found, Qt::LeftButton, {}, found->mapFrom(client, centre));
        ++result.runs;
        // Only pages the run sent a command for count: a lock run leaves the others as they were.
        const QByteArray sent = reader.ReceivedBytes();
        for (int page = 1; page <= kPageCount; ++page)
            if (sent.contains(QString(kCommands[operation]).arg(page).toLatin1()) &&
                window.Widgets().pageFields[page - 1]->BackgroundColor() == kColourGreen)
                CheckGreenPage(operation == kLock, page, result);
    }

    bool Chance(double probability) { return std::bernoulli_distribution(probability)(random); }

    int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random); }

    template <class... T> std::common_type_t<T...> Pick(T... items)
    {
        return std::array{items...}[Between(0, sizeof...(T) - 1)];
    }

    QString RandomHex(int digits)
    {
        return QString::asprintf("%016llX", qulonglong(random())).left(digits);
    }

    void Shuffle(ReaderEmulator& emulator)
    {
        ReaderFaults faults;
        faults.crLfLineEnds = Chance(0.3);
        if (Chance(0.2)) {
            faults.noise = Pick("~", "G", "\xFF", "\x07", " ");
            faults.noiseOffset = Between(0, 18);
        }
        faults.shortLength = Chance(0.15) ? Pick(1, 2, 14, 15) : 0;
        faults.overlongLength = Chance(0.15) ? Pick(20, 200) : 0;
        if (Chance(0.3))
            faults.strayLine = Pick("ACK", "No Read", "0123456789ABCDEF");
        faults.silentPage = Chance(0.05) ? Between(1, kPageCount) : 0;
        emulator.SetFaults(faults);
        for (int page = 1; page <= kPageCount; ++page)
            if (Chance(0.1))
                emulator.SetLocked(page, !emulator.IsLocked(page));
    }

    // One command, or all, answered after 0.5 to 1.5 times its wait.
    void SlowDown(ReaderEmulator& emulator, Operation operation)
    {
        ReaderFaults faults = emulator.Faults();
        const bool tor = Chance(0.3);
        const int wait =
            tor ? kTimeoutQueryWaitFactor * window.Model().timeoutUnit
                : kWaitFactors[operation] * emulator.TimeoutValue() * kTimeoutFactors[operation];
        faults.answerDelay = std::chrono::milliseconds(Between(wait / 2, wait * 3 / 2));
        if (tor)
            faults.slowCommands = {"TOR"};
        else if (Chance(0.5))
            faults.slowCommands = {kVerbs[operation]};
        emulator.SetFaults(faults);
    }

    void CheckGreenPage(bool lockRun, int page, CampaignResult& result)
    {
        ++result.greenPages;
        const QString shown = window.Widgets().pageFields[page - 1]->text();
        ReaderEmulator::Page held{};
        bool locked = false;
        reader.Configure([&](const ReaderEmulator& emulator) {
            held = emulator.PageContent(page);
            locked = emulator.IsLocked(page);
        });
        const QString heldHex =
            QByteArray(reinterpret_cast<const char*>(held.data()), held.size()).toHex().toUpper();
        if (lockRun ? !locked : shown.toUpper() != heldHex)
            result.violations.append(
                QStringLiteral("run %1: P%2 green showing \"%3\", reader holds %4%5")
                    .arg(QString::number(result.runs), QString::number(page), shown, heldHex,
                         locked ? " (locked)" : ""));
    }
};

} // namespace

CampaignResult RunReaderCampaign(MainWindow& window, PtyReaderServer& reader, std::uint32_t seed,
                                 int runs, double slowShare)
{
    StrayLineAfterEachBox boxes(window, reader);
    Campaign campaign{window, reader, std::mt19937_64(seed), slowShare};
    CampaignResult result;
    while (result.runs < runs)
        campaign.RunOnce(result);
    return result;
}
