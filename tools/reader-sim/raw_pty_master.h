#pragma once

#include <QByteArray>
#include <QString>

// The master end of a fresh pseudo-terminal in raw mode. Only the master is held, as a reader holds
// only its end of the cable: the slave side is open only while a client has it open.
class RawPtyMaster
{
public:
    // Opens the pseudo-terminal (raw, no echo) with extraFlags added to the open; IsOpen is false,
    // with nothing left open, when any step fails.
    explicit RawPtyMaster(int extraFlags = 0);
    ~RawPtyMaster() { Close(); }
    RawPtyMaster(const RawPtyMaster&) = delete;
    RawPtyMaster& operator=(const RawPtyMaster&) = delete;

    bool IsOpen() const { return master >= 0; }
    // The device clients open; it stays known after Close.
    const QString& SlavePath() const { return slavePath; }
    // termios calls on the master read and set the client's line settings.
    int Descriptor() const { return master; }

    // Writes every byte for the client to read; false when the master is closed or a write fails
    // (with a non-blocking master: when the bytes do not all fit in the client's input queue).
    bool Write(const QByteArray& bytes);

    // Closes the master: the client sees its device vanish.
    void Close();

private:
    int master = -1;
    QString slavePath;
};
