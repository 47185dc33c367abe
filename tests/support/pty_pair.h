#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

// A raw pseudo-terminal whose master end the test drives by hand. Only the master is held here, as
// a reader would: the client's side is open only while a client has it open.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool IsValid() const { return master >= 0; }
    const QString& SlavePath() const { return slavePath; }
    // The master's descriptor: termios calls on it read and set the client's line settings.
    int Master() const { return master; }

    // Writes bytes to the master end (the client reads them). Returns false on failure or when
    // the client's input queue stayed full for bound.
    bool Write(const QByteArray& bytes, std::chrono::milliseconds bound = std::chrono::seconds(10));

    // Closes the master: the client sees its device vanish.
    void Vanish();

private:
    int master = -1;
    QString slavePath;
};
