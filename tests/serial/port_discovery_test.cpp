#include "serial/port_candidates.h"
#include "serial/port_discovery.h"
#include "serial/port_probe.h"

#include "platform/serial_device.h"
#include "support/fake_port_folder.h"
#include "support/pty_pair.h"
#include "support/wait_until.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class PortDiscoveryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.IsValid());
        ASSERT_TRUE(first.IsValid());
        ASSERT_TRUE(second.IsValid());
    }

    FakePortFolder folder;
    PtyPair first;
    PtyPair second;
};

} // namespace

TEST_F(PortDiscoveryTest, CandidatesAreDeviceBackedTerminalsByShortNameAndIdentityLinksByPath)
{
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyUSB0"), first.SlavePath()));
    ASSERT_TRUE(folder.AddUnbackedTerminal(QStringLiteral("tty3"), second.SlavePath()));
    ASSERT_TRUE(
        folder.AddIdentityLink(QStringLiteral("usb-Maker_Adapter_42-if00"), first.SlavePath()));
    const PortDiscoveryRoots roots = folder.Roots();

    const std::vector<PortCandidate> candidates = ListPortCandidates(roots);

    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0].name, QStringLiteral("ttyUSB0"));
    EXPECT_EQ(candidates[0].devicePath, roots.deviceDirectory + QStringLiteral("/ttyUSB0"));
    const QString link = roots.serialById + QStringLiteral("/usb-Maker_Adapter_42-if00");
    EXPECT_EQ(candidates[1].name, link);
    EXPECT_EQ(candidates[1].devicePath, link);
}

TEST_F(PortDiscoveryTest, MissingFoldersGiveNoCandidates)
{
    PortDiscoveryRoots roots = folder.Roots();
    roots.ttyClass += QStringLiteral("/absent");
    roots.serialById += QStringLiteral("/absent");

    EXPECT_TRUE(ListPortCandidates(roots).empty());
    EXPECT_TRUE(DiscoverOpenablePorts(roots).isEmpty());
}

TEST_F(PortDiscoveryTest, ListsOnlyPortsThatOpenInNaturalOrder)
{
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyS10"), first.SlavePath()));
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyS2"), second.SlavePath()));
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyS3"), QString())); // no node
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyS4"),
                                         QStringLiteral("/nonexistent/ttyS4"))); // dangling
    ASSERT_TRUE(folder.AddBackedPlainFile(QStringLiteral("ttyS5")));             // not a terminal
    ASSERT_TRUE(folder.AddUnbackedTerminal(QStringLiteral("tty1"), first.SlavePath()));
    ASSERT_TRUE(folder.AddIdentityLink(QStringLiteral("usb-B-if00"), second.SlavePath()));
    ASSERT_TRUE(folder.AddIdentityLink(QStringLiteral("usb-gone-if00"), QStringLiteral("/x/y")));
    const PortDiscoveryRoots roots = folder.Roots();

    const QStringList expected{roots.serialById + QStringLiteral("/usb-B-if00"),
                               QStringLiteral("ttyS2"), QStringLiteral("ttyS10")};
    EXPECT_EQ(DiscoverOpenablePorts(roots), expected);
}

TEST_F(PortDiscoveryTest, PortHeldOpenIsNotListedUntilReleased)
{
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyUSB0"), first.SlavePath()));
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyUSB1"), second.SlavePath()));

    std::unique_ptr<SerialDevice> holder = SerialDevice::Open(second.SlavePath());
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(DiscoverOpenablePorts(folder.Roots()), QStringList{QStringLiteral("ttyUSB0")});

    ASSERT_TRUE(holder->Close());
    holder.reset();
    EXPECT_EQ(DiscoverOpenablePorts(folder.Roots()),
              (QStringList{QStringLiteral("ttyUSB0"), QStringLiteral("ttyUSB1")}));
}

TEST_F(PortDiscoveryTest, ProbingLeavesNoPortOpen)
{
    ASSERT_TRUE(folder.AddBackedTerminal(QStringLiteral("ttyACM0"), first.SlavePath()));
    ASSERT_TRUE(folder.AddIdentityLink(QStringLiteral("usb-C-if00"), first.SlavePath()));

    // The same device under two names: both probes succeed only if the first let go of it.
    EXPECT_EQ(DiscoverOpenablePorts(folder.Roots()).size(), 2);
    std::unique_ptr<SerialDevice> afterwards = SerialDevice::Open(first.SlavePath());
    EXPECT_NE(afterwards, nullptr);
}

TEST_F(PortDiscoveryTest, ProbeDiscardsWhatWasWaitingOnTheLine)
{
    ASSERT_TRUE(first.Write("stale answer\r"));
    ASSERT_TRUE(WaitUntil([&] {
        std::unique_ptr<SerialDevice> peek = SerialDevice::Open(first.SlavePath());
        return peek && peek->BytesWaiting().value_or(0) == 13;
    }));

    EXPECT_TRUE(ProbePort(first.SlavePath()));

    std::unique_ptr<SerialDevice> next = SerialDevice::Open(first.SlavePath());
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->BytesWaiting(), std::optional<std::uint32_t>(0));
}

TEST_F(PortDiscoveryTest, ProbeFailsForAbsentAndNonTerminalDevices)
{
    EXPECT_FALSE(ProbePort(QStringLiteral("/nonexistent/ttyUSB9")));
    EXPECT_FALSE(ProbePort(QStringLiteral("/dev/null")));
    EXPECT_FALSE(ProbePort(QString()));
    EXPECT_TRUE(ProbePort(first.SlavePath()));
}
