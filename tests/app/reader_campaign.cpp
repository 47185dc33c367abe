#include "app/reader_campaign.h"

#include "app/stray_line_after_each_box.h"

#include "app/corvane_dlg.h"
#include "framework/dialog_window.h"
#include "framework/widget_text.h"
#include "reader-sim/pty_reader_server.h"
#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include <QTest>
#include <random>

namespace {

enum Operation { kRead, kWrite, kLock };
const int kButtons[] = {ControlId::kReadButton, ControlId::kWriteButton, ControlId::kLockButton};
// Each followed by the page number and, but for a write, CR.
const char* const kCommands[] = {"RD ", "WD ", "LD "};

class Campaign
{
public:
    Campaign(COrvaneDlg& window, PtyReaderServer& reader, std::uint32_t seed)
        : window(window), reader(reader), random(seed)
    {
    }

    void RunOnce(CampaignResult& result)
    {
        reader.ClearReceivedBytes();
        reader.Configure([this](ReaderEmulator& emulator) { Shuffle(emulator); });
        const Operation operation = Pick({kRead, kRead, kWrite, kWrite, kLock});
        for (PageRow& row : window.pageRows.rows) {
            row.selected = Chance(0.3) ? 1 : 0;
            if (operation == kWrite)
                row.text = RandomHex(Chance(0.1) ? 15 : 16);
        }
        window.UpdateData(false);
        Click(kButtons[operation]);
        ++result.runs;
        // Only pages the run sent a command for count: a lock run leaves the others as they were.
        const QByteArray sent = reader.ReceivedBytes();
        for (int page = 1; page <= kPageCount; ++page) {
            const QByteArray command =
                kCommands[operation] + QByteArray::number(page) + (operation == kWrite ? ' ' : '\r');
            if (sent.contains(command) &&
                window.pageFields.InPageOrder()[page - 1]->backgroundColor == kColourGreen)
                CheckGreenPage(operation == kLock, page, result);
        }
    }

private:
    bool Chance(double probability) { return std::bernoulli_distribution(probability)(random); }

    int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random); }

    template <class T> T Pick(std::initializer_list<T> choices)
    {
        return choices.begin()[Between(0, static_cast<int>(choices.size()) - 1)];
    }

    QString RandomHex(int digits)
    {
        QString hex;
        for (int i = 0; i < digits; ++i)
            hex += QString::number(Between(0, 15), 16).toUpper();
        return hex;
    }

    void Shuffle(ReaderEmulator& emulator)
    {
        ReaderFaults faults;
        faults.crLfLineEnds = Chance(0.3);
        if (Chance(0.2)) {
            faults.noise = Pick<QByteArray>({"~", "G", "\xFF", "\x07", " "});
            faults.noiseOffset = Between(0, 18);
        }
        faults.shortLength = Chance(0.15) ? Pick({1, 2, 14, 15}) : 0;
        faults.overlongLength = Chance(0.15) ? Pick({20, 200}) : 0;
        if (Chance(0.3))
            faults.strayLine = Pick<QByteArray>({"ACK", "No Read", "0123456789ABCDEF"});
        faults.silentPage = Chance(0.05) ? Between(1, kPageCount) : 0;
        emulator.SetFaults(faults);
        for (int page = 1; page <= kPageCount; ++page)
            if (Chance(0.1))
                emulator.SetLocked(page, !emulator.IsLocked(page));
    }

    // Clicks where the operator would: the widget found at the control's centre.
    void Click(int controlId)
    {
        QWidget* client = window.GetSafeWidget()->ClientArea();
        const QPoint centre = window.GetDlgItem(controlId)->geometry().center();
        QWidget* found = client->childAt(centre);
        QTest::mouseClick(found, Qt::LeftButton, {}, found->mapFrom(client, centre));
    }

    void CheckGreenPage(bool lockRun, int page, CampaignResult& result)
    {
        ++result.greenPages;
        const QString shown = WidgetText(window.GetDlgItem(kPageRows[page - 1].fieldId));
        QString held;
        bool locked = false;
        reader.Configure([&](const ReaderEmulator& emulator) {
            const ReaderEmulator::Page content = emulator.PageContent(page);
            for (const std::uint8_t byte : content)
                held += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
            locked = emulator.IsLocked(page);
        });
        if (lockRun ? !locked : shown.toUpper() != held)
            result.violations.append(QStringLiteral("run %1: P%2 green showing \"%3\", reader "
                                                    "holds %4%5")
                                         .arg(result.runs)
                                         .arg(page)
                                         .arg(shown, held, locked ? " (locked)" : ""));
    }

    COrvaneDlg& window;
    PtyReaderServer& reader;
    std::mt19937 random;
};

} // namespace

CampaignResult RunReaderCampaign(COrvaneDlg& window, PtyReaderServer& reader, std::uint32_t seed,
                                 int runs)
{
    StrayLineAfterEachBox boxes(window, reader);
    Campaign campaign(window, reader, seed);
    CampaignResult result;
    while (result.runs < runs)
        campaign.RunOnce(result);
    return result;
}
