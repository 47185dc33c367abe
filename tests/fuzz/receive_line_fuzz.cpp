// Arbitrary byte streams into the receive thread's line assembler: nothing is touched outside the
// buffer, every completed line is at most the buffer size and holds the first bytes of what was
// received since the previous CR, up to a NUL.
#include "fuzz_check.h"
#include "serial/receive_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ReceiveLine line;
    QByteArray received;
    for (std::size_t i = 0; i < size; ++i) {
        const std::optional<QByteArrayView> completed = line.AddByte(data[i]);
        Require(line.count >= 0 && line.count <= ReceiveLine::kMaxLineBytes, "count in range");
        if (!completed) {
            received += static_cast<char>(data[i]);
            continue;
        }
        const bool overflowed = received.size() > ReceiveLine::kMaxLineBytes;
        QByteArray expected = received.left(ReceiveLine::kMaxLineBytes) + "\r\n";
        // A NUL received inside the line ends the text handed on, CR LF included.
        expected.truncate(expected.indexOf('\0') < 0 ? expected.size() : expected.indexOf('\0'));
        Require(completed->size() <= qsizetype(ReceiveLine::kBufferSize), "line fits the buffer");
        Require(line.lastLineCut == overflowed, "overlong mark exactly on overflow");
        Require(*completed == expected, overflowed ? "overlong line keeps its first bytes"
                                                   : "line holds the bytes received");
        received.clear();
    }
    return 0;
}
