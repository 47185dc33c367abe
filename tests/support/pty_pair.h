#pragma once

#include <QByteArray>
#include <QString>

// A raw pseudo-terminal whose master end the test drives by hand. Only the master is held here, as
// a reader would: the client's side is open only while a client has it open.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair() { Vanish(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool IsValid() const { return master >= 0; }
    const QString& SlavePath() const { return slavePath; }
    // The master's descriptor: termios calls on it read and set the client's line settings.
    int Master() const { return master; }

    // Writes bytes to the master end for the client to read; false when they did not all fit in
    // the client's input queue at once.
    bool Write(const QByteArray& bytes);

    // Closes the master: the client sees its device vanish.
    void Vanish();

private:
    int master = -1;
    QString slavePath;
};
