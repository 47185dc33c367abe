#include "support/ser2net_server.h"

#include "support/wait_until.h"

#include <QFile>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

int FreeLoopbackPort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t size = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(probe);
    return ntohs(address.sin_port);
}

bool Ser2netServer::Start()
{
    const QString accepter = scheme == "tcp" ? "tcp," : "telnet(rfc2217),tcp,";
    // One configuration, '#' between its lines; each answer goes out as it comes (no chardelay).
    process.start("ser2net", {"-n", "-u", "-P", "", "-Y",
                              "connection: &reader#  accepter: " + accepter + "127.0.0.1," +
                                  QString::number(port) + "#  connector: serialdev," + devicePath +
                                  ",115200n81,local#  options:#    chardelay: false"});
    // Listening on 127.0.0.1:port is state 0A in the kernel's table.
    const QByteArray listening = QString::asprintf(":%04X 00000000:0000 0A", port).toLatin1();
    return process.waitForStarted() && WaitUntil([&] {
               QFile table("/proc/net/tcp");
               return table.open(QIODevice::ReadOnly) && table.readAll().contains(listening);
           });
}
