#pragma once

#include <QStringList>
#include <cstdint>

class MainWindow;
class PtyReaderServer;

// What a campaign saw: how many runs it made, how many fields it found green (each one checked
// against the reader), and every green field whose page the reader does not hold as shown.
struct CampaignResult
{
    int runs = 0;
    int greenPages = 0;
    QStringList violations;
};

// A seeded random campaign of read, write and lock runs, clicked in the main window against the
// emulated reader, which is switched to new faults before each run: CR LF line ends, non-hex noise
// inside answers, short and overlong answers, a stray line right after each answer, a silent page,
// NAK on locked pages, and invalid texts in a write, whose message box sees a stray line come in.
// After each run every page field the run turned green must show exactly what the reader holds:
// the content read, the content written, or a lock. The window must be open on reader in HEX.
// slowShare of the runs (none by default) get a reader that answers late: one command (TOR, the
// run's page command, or every command) after 0.5 to 1.5 times its wait.
CampaignResult RunReaderCampaign(MainWindow& window, PtyReaderServer& reader, std::uint32_t seed,
                                 int runs, double slowShare = 0);
