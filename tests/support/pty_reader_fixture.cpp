#include "support/pty_reader_fixture.h"

void PtyReaderFixture::SetUp()
{
    reader = std::make_unique<PtyReaderServer>(ReaderEmulator{}, ServerOptions());
    ASSERT_TRUE(reader->Start());
    slavePath = reader->SlavePath();
}

void PtyReaderFixture::TearDown()
{
    reader.reset();
}
