// Arbitrary bytes into the emulated reader's command parser: exactly one CR-ended answer per
// received CR, and the same answers whether the bytes arrive at once or in pieces.
#include "fuzz_check.h"
#include "reader-sim/reader_emulator.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte sets the piece size for the second reader.
    const qsizetype piece = data[0] % 16 + 1;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    ReaderEmulator whole;
    const QByteArray answers = whole.Feed(bytes);
    Require(answers.count('\r') == bytes.count('\r'), "one answer per command");
    Require(answers.isEmpty() || answers.endsWith('\r'), "answers end with CR");
    Require(whole.ReceivedBytes() == bytes, "every received byte kept");

    ReaderEmulator pieces;
    QByteArray piecewise;
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        piecewise += pieces.Feed(bytes.mid(at, piece));
    Require(piecewise == answers, "same answers in pieces");
    return 0;
}
