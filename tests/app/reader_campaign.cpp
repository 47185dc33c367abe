#include "app/reader_campaign.h"

#include "app/stray_line_after_each_box.h"

#include "app/corvane_dlg.h"
#include "framework/dialog_window.h"
#include "framework/widget_text.h"
#include "reader-sim/pty_reader_server.h"
#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include <QTest>
#include <array>
#include <random>

namespace {

enum class Operation { Read, Write, Lock };

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
        const Operation operation =
            Pick<Operation>({Operation::Read, Operation::Read, Operation::Write, Operation::Write,
                             Operation::Lock});
        std::array<bool, kPageCount> selected{};
        for (std::size_t index = 0; index < selected.size(); ++index) {
            selected[index] = Chance(0.3);
            PageRow& row = window.pageRows.rows[index];
            row.selected = selected[index] ? 1 : 0;
            if (operation == Operation::Write)
                row.text = Chance(0.1) ? RandomHex(15) : RandomHex(16);
        }
        window.UpdateData(false);
        Click(operation == Operation::Read    ? ControlId::kReadButton
              : operation == Operation::Write ? ControlId::kWriteButton
                                              : ControlId::kLockButton);
        ++result.runs;
        // A lock run leaves the fields of pages it did not try as they were.
        const QByteArray sent = reader.ReceivedBytes();
        for (std::size_t index = 0; index < selected.size(); ++index) {
            const int page = static_cast<int>(index) + 1;
            const QByteArray command = (operation == Operation::Read    ? "RD "
                                        : operation == Operation::Write ? "WD "
                                                                        : "LD ") +
                                       QByteArray::number(page) +
                                       (operation == Operation::Write ? " " : "\r");
            if (sent.contains(command) &&
                window.pageFields.InPageOrder()[index]->backgroundColor == kColourGreen)
                CheckGreenPage(operation, page, result);
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
        if (Chance(0.15))
            faults.shortLength = Pick({1, 2, 14, 15});
        if (Chance(0.15))
            faults.overlongLength = Pick({20, 200});
        if (Chance(0.3))
            faults.strayLine = Pick<QByteArray>({"ACK", "No Read", "0123456789ABCDEF"});
        if (Chance(0.05))
            faults.silentPage = Between(1, kPageCount);
        emulator.SetFaults(faults);
        for (int page = 1; page <= kPageCount; ++page) {
            if (Chance(0.1))
                emulator.SetLocked(page, !emulator.IsLocked(page));
        }
    }

    // Clicks where the operator would: the widget found at the control's centre.
    void Click(int controlId)
    {
        QWidget* client = window.GetSafeWidget()->ClientArea();
        const QPoint centre = window.GetDlgItem(controlId)->geometry().center();
        QWidget* found = client->childAt(centre);
        QTest::mouseClick(found, Qt::LeftButton, {}, found->mapFrom(client, centre));
    }

    void CheckGreenPage(Operation operation, int page, CampaignResult& result)
    {
        ++result.greenPages;
        const QString shown = WidgetText(window.GetDlgItem(kPageRows[page - 1].fieldId));
        QString held;
        bool locked = false;
        reader.Configure([&](const ReaderEmulator& emulator) {
            const ReaderEmulator::Page content = emulator.PageContent(page);
            held = QString::fromLatin1(
                QByteArray(reinterpret_cast<const char*>(content.data()), content.size())
                    .toHex()
                    .toUpper());
            locked = emulator.IsLocked(page);
        });
        const bool holds = operation == Operation::Lock ? locked : shown.toUpper() == held;
        if (!holds)
            result.violations.append(
                QStringLiteral("run %1: P%2 green showing \"%3\", reader holds %4%5")
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
