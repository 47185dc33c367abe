#include "platform/wake_signal.h"

#include "platform/serial_device.h"
#include "support/pty_pair.h"

#include <gtest/gtest.h>
#include <thread>

TEST(WakeSignal, EndsABlockedDeviceWaitAndStaysPendingUntilCleared)
{
    PtyPair pty;
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(pty.SlavePath());
    ASSERT_TRUE(device && device->ApplyLineSettings(MakeReaderLineSettings()));
    WakeSignal wake;

    std::thread signaller([&] { wake.Signal(); });
    EXPECT_EQ(device->WaitForInputOrWake(wake), InputState::Woken);
    signaller.join();
    EXPECT_EQ(device->WaitForInputOrWake(wake), InputState::Woken);
    wake.Clear();
    pty.Vanish();
    EXPECT_EQ(device->WaitForInputOrWake(wake), InputState::HungUp) << "cleared, it wakes no more";
}
