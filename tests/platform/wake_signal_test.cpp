#include "platform/wake_signal.h"

#include "platform/serial_device.h"
#include "support/pty_pair.h"

#include <gtest/gtest.h>
#include <thread>

TEST(WakeSignal, EndsABlockedDeviceWaitAndStaysPendingUntilCleared)
{
    PtyPair pty;
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(pty.SlavePath());
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(device->ApplyLineSettings(MakeReaderLineSettings()));
    WakeSignal wake;

    std::thread signaller([&] { wake.Signal(); });
    EXPECT_EQ(device->WaitForInputOrWake(wake), InputState::Woken);
    signaller.join();
    EXPECT_EQ(device->WaitForInputOrWake(wake), InputState::Woken);
    wake.Clear();

    QByteArray burst;
    for (int i = 0; i < 1000; ++i)
        burst += "line " + QByteArray::number(i) + '\r';
    ASSERT_TRUE(pty.Write(burst));
    QByteArray received;
    std::uint8_t chunk[4096];
    while (received.size() < burst.size()) {
        ASSERT_EQ(device->WaitForInputOrWake(wake), InputState::Readable);
        const std::optional<std::size_t> count = device->ReadWaiting(chunk, sizeof chunk);
        ASSERT_TRUE(count.has_value());
        received.append(reinterpret_cast<const char*>(chunk), static_cast<qsizetype>(*count));
    }
    EXPECT_EQ(received, burst);

    pty.Vanish();
    EXPECT_EQ(device->WaitForInputOrWake(wake), InputState::HungUp);
}
