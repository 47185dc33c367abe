#include "serial/port_discovery.h"
#include "serial/port_probe.h"

#include "platform/serial_device.h"
#include "support/fake_port_folder.h"
#include "support/pty_pair.h"
#include "support/wait_until.h"

#include <gtest/gtest.h>

TEST(PortDiscovery, ListsDeviceBackedTerminalsAndIdentityLinksThatOpenInNaturalOrder)
{
    FakePortFolder folder;
    PtyPair first;
    PtyPair second;
    ASSERT_TRUE(folder.IsValid() && first.IsValid() && second.IsValid());
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS10"), first.SlavePath()));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS2"), second.SlavePath()));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS3"), QString()));            // no node
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS4"), QStringLiteral("/x"))); // dangling
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS5"), QStringLiteral("/dev/null")));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("tty1"), first.SlavePath(), false));
    ASSERT_TRUE(folder.AddIdentityLink(QStringLiteral("usb-B-if00"), second.SlavePath()));
    ASSERT_TRUE(folder.AddIdentityLink(QStringLiteral("usb-gone-if00"), QStringLiteral("/x")));
    PortDiscoveryRoots roots = folder.Roots();

    // ttyS2 and the link are one device: the second probe finds it only if the first let go.
    const QStringList expected{roots.serialById + QStringLiteral("/usb-B-if00"),
                               QStringLiteral("ttyS2"), QStringLiteral("ttyS10")};
    EXPECT_EQ(DiscoverOpenablePorts(roots), expected);
    EXPECT_NE(SerialDevice::Open(second.SlavePath()), nullptr);

    roots.ttyClass += QStringLiteral("/absent");
    roots.serialById += QStringLiteral("/absent");
    EXPECT_TRUE(DiscoverOpenablePorts(roots).isEmpty());
}

TEST(PortDiscovery, PortHeldOpenIsNotListedUntilReleased)
{
    FakePortFolder folder;
    PtyPair free;
    PtyPair held;
    ASSERT_TRUE(folder.IsValid() && free.IsValid() && held.IsValid());
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyUSB0"), free.SlavePath()));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyUSB1"), held.SlavePath()));

    std::unique_ptr<SerialDevice> holder = SerialDevice::Open(held.SlavePath());
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(DiscoverOpenablePorts(folder.Roots()), QStringList{QStringLiteral("ttyUSB0")});
    holder.reset();
    EXPECT_EQ(DiscoverOpenablePorts(folder.Roots()).size(), 2);
}

TEST(PortDiscovery, ProbeDiscardsWhatWasWaitingOnTheLine)
{
    PtyPair line;
    ASSERT_TRUE(line.IsValid());
    ASSERT_TRUE(line.Write("stale answer\r"));
    ASSERT_TRUE(WaitUntil([&] {
        auto peek = SerialDevice::Open(line.SlavePath());
        return peek && peek->BytesWaiting().value_or(0) == 13;
    }));

    EXPECT_TRUE(ProbePort(line.SlavePath()));

    auto next = SerialDevice::Open(line.SlavePath());
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->BytesWaiting(), std::optional<std::uint32_t>(0));
}
