#pragma once

#include <QProcess>
#include <QString>

// A loopback port that nothing listens on now.
int FreeLoopbackPort();

// The real ser2net serving a device on a free loopback port, through a telnet COM-PORT accepter
// (scheme "rfc2217") or a raw one ("tcp"). Killed at Stop and with the object, which releases the
// device and leaves no listener.
class Ser2netServer
{
public:
    Ser2netServer(QString devicePath, QString scheme) : devicePath(devicePath), scheme(scheme) {}
    ~Ser2netServer() { Stop(); }

    // Starts ser2net (again on the same port) and waits until it listens.
    bool Start();
    void Stop() { process.kill(), process.waitForFinished(); }
    // The server's process, for a thread that kills it while the GUI thread waits on the reader.
    qint64 ProcessId() const { return process.processId(); }

    // The port name that reaches the device through the server, such as "tcp://127.0.0.1:40321".
    QString PortName() const { return scheme + "://127.0.0.1:" + QString::number(port); }

private:
    QString devicePath, scheme;
    int port = FreeLoopbackPort();
    QProcess process;
};
