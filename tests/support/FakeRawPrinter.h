// A label printer's raw port on 127.0.0.1 for tests: a listening socket at a port the system picks, a
// fake printer that keeps what one connection sends, and a port where nothing listens.
#pragma once

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace quillon::testing {

// A socket on 127.0.0.1 at a port the system picks; closed at the end.
class LoopbackSocket {
public:
    // receiveBuffer: the bytes a connection takes before its reader reads; 0 the system's own.
    explicit LoopbackSocket(int backlog, int receiveBuffer = 0)
    {
        FFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (receiveBuffer > 0)
            ::setsockopt(FFd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(FFd, reinterpret_cast<sockaddr*>(&address), length) == 0 && ::listen(FFd, backlog) == 0 &&
            ::getsockname(FFd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            FPort = ntohs(address.sin_port);
    }
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;
    ~LoopbackSocket() { Close(); }
    void Close()
    {
        if (FFd >= 0)
            ::close(FFd);
        FFd = -1;
    }
    int Fd() const { return FFd; }
    int Port() const { return FPort; }
    std::string Address() const { return "127.0.0.1:" + std::to_string(FPort); }

private:
    int FFd = -1;
    int FPort = 0;
};

// A label printer's raw port: takes one connection and keeps what arrives until the sender closes,
// within 60 s, so that a test never hangs on it.
class FakeRawPrinter {
public:
    FakeRawPrinter() : FThread([this] { Serve(); }) {}
    ~FakeRawPrinter()
    {
        FStop = true;
        FThread.join();
    }
    std::string Address() const { return FSocket.Address(); }
    // What arrived, once the sender closed.
    std::string Received()
    {
        FStop = true;
        FThread.join();
        FThread = std::thread([] {});
        return FReceived;
    }

private:
    void Serve()
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        int client = -1;
        while (client < 0 && !FStop && std::chrono::steady_clock::now() < until) {
            pollfd entry{.fd = FSocket.Fd(), .events = POLLIN, .revents = 0};
            if (::poll(&entry, 1, 50) > 0)
                client = ::accept(FSocket.Fd(), nullptr, nullptr);
        }
        char buffer[65536];
        while (client >= 0 && std::chrono::steady_clock::now() < until) {
            pollfd entry{.fd = client, .events = POLLIN, .revents = 0};
            if (::poll(&entry, 1, 50) <= 0)
                continue;
            const ssize_t n = ::read(client, buffer, sizeof buffer);
            if (n <= 0)
                break;
            FReceived.append(buffer, static_cast<std::size_t>(n));
        }
        if (client >= 0)
            ::close(client);
    }

    LoopbackSocket FSocket{1};
    std::string FReceived;
    std::atomic<bool> FStop = false;
    std::thread FThread;
};

// A port where nothing listens: bound, then closed.
inline int ClosedPort()
{
    LoopbackSocket socket(1);
    return socket.Port();
}

// A socket connected to the loopback port, or -1: the caller closes it.
inline int ConnectedTo(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

} // namespace quillon::testing
