#include "app/reader_operations_fixture.h"
#include "cli/cli_run.h"
#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace {

using CliMatchesWindowTest = ReaderOperationsFixture;

// The window and orvane-cli run the same read on the same reader; the reader must receive the
// same bytes from both, in a good run and in one that a missing transponder ends early.
TEST_F(CliMatchesWindowTest, AReadSendsTheSameBytesFromBoth)
{
    for (const bool noTransponder : {false, true}) {
        SCOPED_TRACE(noTransponder ? "no transponder" : "transponder");
        OpenWithData(SelectLines({1, 3, 17}));
        reader->Configure([&](ReaderEmulator& emulator) {
            ReaderFaults faults;
            faults.noTransponder = noTransponder;
            emulator.SetFaults(faults);
        });
        Click(ControlId::kReadButton);
        const QByteArray fromWindow = reader->ReceivedBytes();
        Close();
        reader->ClearReceivedBytes();

        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int status =
            RunCli({"read", "1,3,17", "--port", SlavePath()}, outStream, errStream, false);

        EXPECT_EQ(status, noTransponder ? 1 : 0) << err.toStdString();
        EXPECT_EQ(reader->ReceivedBytes(), fromWindow);
        EXPECT_EQ(fromWindow, noTransponder ? QByteArray("TOR\rRD 1\r")
                                            : QByteArray("TOR\rRD 1\rRD 3\rRD 17\r"));
    }
}

} // namespace
