#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <chrono>

// Misbehaviour the emulated reader can be switched to; all off by default.
struct ReaderFaults
{
    bool noTransponder = false;      // RD, WD, LD and RUID answer "No Read"
    bool errorMark09 = false;        // RD and RUID answer "#09"
    bool badUid = false;             // RUID answers "XXXXXXXX"
    bool silent = false;             // no answer at all
    bool crLfLineEnds = false;       // answers end with CR LF instead of CR
    QByteArray unsolicitedLine = {}; // when set, sent as its own line before every answer
    QByteArray noise = {};           // when set, sent inside every answer's line, at noiseOffset
    int noiseOffset = 0;       // where the noise goes (0: in front; beyond the end: at the end)
    int overlongLength = 0;    // when above the answer's length, the answer is padded to it
    int shortLength = 0;       // when above 0 and below the answer's length, the answer is cut
    QByteArray strayLine = {}; // when set, sent as its own line right after every answer
    int silentPage = 0;        // 1..17: RD, WD and LD of this page get no answer
    std::chrono::milliseconds answerDelay{0}; // slow answers: each answer waits this long
    QByteArrayList slowCommands = {}; // when set, only the answers to these (TOR, RD ...) are slow
};
