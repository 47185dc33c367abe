#include "serial/port_discovery.h"

#include "platform/serial_device.h"
#include "reader-sim/raw_pty_master.h"
#include "support/fake_port_folder.h"
#include "support/port_holder_process.h"
#include "support/wait_until.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <unistd.h>

TEST(PortDiscovery, ListsOpenableTerminalsAndIdentityLinksInNaturalOrderAndTakesNoBytes)
{
    FakePortFolder folder;
    const PortDiscoveryRoots roots = folder.Roots();
    RawPtyMaster first, second, held, heldElsewhere;
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS10"), first.SlavePath()));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS2"), second.SlavePath()));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS4"), QStringLiteral("/x"))); // dangling
    // /dev/null is held by other programs.
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS5"), QStringLiteral("/dev/null")));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS6"), held.SlavePath()));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS7"), heldElsewhere.SlavePath()));
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("tty1"), first.SlavePath(), false));
    // A built-in port the driver lists without a chip behind it is no port.
    ASSERT_TRUE(folder.AddTerminal(QStringLiteral("ttyS3"), held.SlavePath(), true, "0\n"));
    ASSERT_TRUE(QFile::link(heldElsewhere.SlavePath(), roots.serialById + "/usb-C-if00"));
    ASSERT_TRUE(QFile::link(second.SlavePath(), roots.serialById + "/usb-B-if00"));
    std::unique_ptr<SerialDevice> holder = SerialDevice::Open(held.SlavePath());
    ASSERT_NE(holder, nullptr);
    PortHolderProcess otherProgram(heldElsewhere.SlavePath());
    ASSERT_TRUE(otherProgram.IsHolding());
    const QByteArray waiting = "waiting for their reader";
    ASSERT_TRUE(first.Write(waiting) && heldElsewhere.Write(waiting));

    // ttyS2 and the link are one device: the second probe finds it only if the first let go.
    const QStringList expected{roots.serialById + QStringLiteral("/usb-B-if00"),
                               QStringLiteral("ttyS2"), QStringLiteral("ttyS10")};
    const PortSurvey survey = SurveyPorts(roots);
    EXPECT_EQ(survey.openable, expected);
    // The held devices are told once each, whatever number of names lead to them.
    QStringList unopenable;
    for (const UnopenablePort& port : survey.unopenable)
        unopenable.append(port.name);
    ASSERT_EQ(unopenable, (QStringList{"ttyS5", "ttyS6", "ttyS7"}));
    // Probing took no byte from the free port nor from the one the other program holds.
    for (const RawPtyMaster* port : {&first, &heldElsewhere}) {
        const int reader = ::open(port->SlavePath().toLocal8Bit().constData(), O_RDONLY | O_NOCTTY);
        int count = 0;
        EXPECT_TRUE(WaitUntil(
            [&] { return ::ioctl(reader, FIONREAD, &count) == 0 && count == waiting.size(); }));
        ::close(reader);
    }
}
