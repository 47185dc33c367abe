#pragma once

#include "reader-sim/pty_reader_server.h"

#include <gtest/gtest.h>
#include <memory>

// A test with the emulated reader served on a fresh pseudo-terminal. Override ServerOptions to
// shape its timing; change the emulator through reader->Configure.
class PtyReaderFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reader = std::make_unique<PtyReaderServer>(ReaderEmulator{}, ServerOptions());
        ASSERT_TRUE(reader->Start());
    }

    virtual PtyServerOptions ServerOptions() const { return {}; }

    QString SlavePath() const { return reader->SlavePath(); }

    std::unique_ptr<PtyReaderServer> reader;
};
