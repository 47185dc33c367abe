#pragma once

#include <QByteArray>
#include <chrono>

// Misbehaviour the emulated reader can be switched to; all off by default.
struct ReaderFaults
{
    bool noTransponder = false; // RD, WD, LD and RUID answer "No Read"
    bool errorMark09 = false;   // RD and RUID answer "#09"
    bool badUid = false;        // RUID answers "XXXXXXXX"
    bool silent = false;        // no answer at all
    bool crLfLineEnds = false;  // answers end with CR LF instead of CR
    QByteArray unsolicitedLine; // when set, sent as its own line before every answer
    QByteArray noise;           // when set, sent in front of every answer, inside its line
    int overlongLength = 0;     // when above the answer's length, the answer is padded to it
    std::chrono::milliseconds answerDelay{0}; // slow answers: each answer waits this long
};
