#include "label/send/PrintJob.h"

#include <cups/cups.h>
#include <fcntl.h>
#include <linux/sockios.h>
#include <netdb.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace quillon {

namespace {

std::string ErrnoWords(int error)
{
    return std::strerror(error);
}

// A socket that is closed however the send ends.
class Socket {
public:
    explicit Socket(int fd) : FFd(fd) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    int Fd() const { return FFd; }

private:
    int FFd = -1;
};

// Waits up to `timeout` for the socket to be ready for `events`; false on a time-out.
bool WaitFor(int fd, short events, std::chrono::milliseconds timeout)
{
    pollfd entry{.fd = fd, .events = events, .revents = 0};
    int ready = 0;
    do
        ready = ::poll(&entry, 1, static_cast<int>(timeout.count()));
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

std::string Seconds(std::chrono::milliseconds timeout)
{
    const auto ms = timeout.count();
    return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

// Connects to one of the host's addresses without blocking past the time-out; the error of the last
// address tried otherwise.
int ConnectWithin(const addrinfo& address, std::chrono::milliseconds timeout, std::string& failure,
                  bool& timedOut)
{
    const int fd =
        ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol);
    if (fd < 0) {
        failure = ErrnoWords(errno);
        return -1;
    }
    if (::connect(fd, address.ai_addr, address.ai_addrlen) == 0)
        return fd;
    if (errno != EINPROGRESS) {
        failure = ErrnoWords(errno);
        ::close(fd);
        return -1;
    }
    if (!WaitFor(fd, POLLOUT, timeout)) {
        failure = "no answer within " + Seconds(timeout);
        timedOut = true;
        ::close(fd);
        return -1;
    }
    int error = 0;
    socklen_t length = sizeof error;
    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length);
    if (error != 0) {
        failure = ErrnoWords(error);
        ::close(fd);
        return -1;
    }
    return fd;
}

int OpenConnection(const RawPrinterAddress& address, std::chrono::milliseconds timeout)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.port);
    if (const int status = ::getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found); status != 0)
        throw PrintFailure(TSendFault::NotReached, address.Name(), ::gai_strerror(status),
                           "cannot reach printer " + address.Name() + ": " + ::gai_strerror(status) +
                               "; nothing was sent");
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> addresses(found, &::freeaddrinfo);
    std::string failure;
    bool timedOut = false;
    for (const addrinfo* each = found; each != nullptr; each = each->ai_next) {
        timedOut = false;
        if (const int fd = ConnectWithin(*each, timeout, failure, timedOut); fd >= 0)
            return fd;
    }
    throw PrintFailure(timedOut ? TSendFault::NoAnswer : TSendFault::NotReached, address.Name(), failure,
                       "cannot reach printer " + address.Name() + ": " + failure + "; nothing was sent");
}

void WriteAll(int fd, std::string_view job, const RawPrinterAddress& address,
              std::chrono::milliseconds timeout)
{
    std::size_t sent = 0;
    while (sent < job.size()) {
        if (!WaitFor(fd, POLLOUT, timeout))
            throw PrintFailure(TSendFault::Incomplete, address.Name(), "took no data for " + Seconds(timeout),
                               "printer " + address.Name() + " took no data for " + Seconds(timeout) +
                                   " after " + std::to_string(sent) + " of " + std::to_string(job.size()) +
                                   " bytes; the job is incomplete");
        const ssize_t n = ::send(fd, job.data() + sent, job.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n < 0) {
            const std::string reason = ErrnoWords(errno);
            throw PrintFailure(TSendFault::Incomplete, address.Name(), reason,
                               "printer " + address.Name() + " cut the connection after " +
                                   std::to_string(sent) + " of " + std::to_string(job.size()) +
                                   " bytes: " + reason + "; the job is incomplete");
        }
        sent += static_cast<std::size_t>(n);
    }
}

// The job is handed over once the printer acknowledged its every byte: until then a reset could still
// lose the tail that sits in our send queue.
void AwaitAcknowledged(int fd, const RawPrinterAddress& address, std::chrono::milliseconds timeout)
{
    constexpr std::chrono::milliseconds kStep{10};
    int unacknowledged = 0;
    for (auto waited = std::chrono::milliseconds(0); waited <= timeout; waited += kStep) {
        if (::ioctl(fd, SIOCOUTQ, &unacknowledged) != 0 || unacknowledged == 0)
            return;
        pollfd entry{.fd = fd, .events = 0, .revents = 0}; // wakes early on an error or a hang-up
        if (::poll(&entry, 1, static_cast<int>(kStep.count())) > 0 &&
            (entry.revents & (POLLERR | POLLHUP)) != 0)
            break;
    }
    throw PrintFailure(TSendFault::Incomplete, address.Name(),
                       "did not take the last " + std::to_string(unacknowledged) + " bytes",
                       "printer " + address.Name() + " did not take the last " +
                           std::to_string(unacknowledged) + " bytes within " + Seconds(timeout) +
                           "; the job is incomplete");
}

// ---- CUPS ----

struct DestDeleter {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct InfoDeleter {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
struct HttpDeleter {
    void operator()(http_t* http) const { httpClose(http); }
};

std::string CupsReason()
{
    const char* reason = cupsLastErrorString();
    return reason != nullptr && *reason != '\0' ? reason : "no reason given";
}

std::unique_ptr<cups_dest_t, DestDeleter> FindDestination(const std::string& printer)
{
    cups_dest_t* dest = IsIppUri(printer) ? cupsGetDestWithURI(nullptr, printer.c_str())
                                          : cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.c_str(), nullptr);
    if (dest == nullptr)
        throw PrintFailure(TSendFault::UnknownPrinter, printer, CupsReason(),
                           "unknown printer '" + printer + "' (" + CupsReason() + "); nothing was sent");
    return std::unique_ptr<cups_dest_t, DestDeleter>(dest);
}

} // namespace

void SendRaw(const RawPrinterAddress& address, std::string_view job, std::chrono::milliseconds timeout)
{
    const Socket socket(OpenConnection(address, timeout));
    WriteAll(socket.Fd(), job, address, timeout);
    AwaitAcknowledged(socket.Fd(), address, timeout);
    // The end of the job: the printer may wait for it before it prints.
    if (::shutdown(socket.Fd(), SHUT_WR) != 0) {
        const std::string reason = ErrnoWords(errno);
        throw PrintFailure(TSendFault::Incomplete, address.Name(), reason,
                           "printer " + address.Name() +
                               " cut the connection at the end of the job: " + reason);
    }
}

std::vector<std::string> CupsPrinterNames()
{
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        if (dests[i].instance == nullptr) // an instance is a queue's saved options, not another printer
            names.emplace_back(dests[i].name);
    cupsFreeDests(count, dests);
    return names;
}

void SendCups(const std::string& printer, std::string_view job, PrintDocument document,
              const std::string& title, std::chrono::milliseconds timeout)
{
    const auto dest = FindDestination(printer);
    // A URI names the printer itself, reached without a scheduler; a name is the scheduler's queue.
    const unsigned flags = IsIppUri(printer) ? CUPS_DEST_FLAGS_DEVICE : CUPS_DEST_FLAGS_NONE;
    const std::unique_ptr<http_t, HttpDeleter> http(cupsConnectDest(
        dest.get(), flags, static_cast<int>(timeout.count()), nullptr, nullptr, 0, nullptr, nullptr));
    if (!http)
        throw PrintFailure(TSendFault::NotReached, printer, CupsReason(),
                           "cannot reach printer '" + printer + "' (" + CupsReason() + "); nothing was sent");
    const std::unique_ptr<cups_dinfo_t, InfoDeleter> info(cupsCopyDestInfo(http.get(), dest.get()));
    if (!info)
        throw PrintFailure(TSendFault::Refused, printer, CupsReason(),
                           "printer '" + printer + "' did not describe itself (" + CupsReason() +
                               "); nothing was sent");
    int jobId = 0;
    if (cupsCreateDestJob(http.get(), dest.get(), info.get(), &jobId, title.c_str(), 0, nullptr) !=
        IPP_STATUS_OK)
        throw PrintFailure(TSendFault::Refused, printer, CupsReason(),
                           "printer '" + printer + "' refused the job (" + CupsReason() +
                               "); nothing was sent");
    const char* format = document == PrintDocument::Pdf ? "application/pdf" : CUPS_FORMAT_RAW;
    const auto cancel = [&](const std::string& what) {
        const std::string reason = CupsReason();
        cupsCancelDestJob(http.get(), dest.get(), jobId);
        return PrintFailure(TSendFault::Cancelled, printer, reason,
                            "printer '" + printer + "' " + what + " (" + reason + "); job " +
                                std::to_string(jobId) + " was cancelled");
    };
    if (cupsStartDestDocument(http.get(), dest.get(), info.get(), jobId, title.c_str(), format, 0, nullptr,
                              1) != HTTP_STATUS_CONTINUE)
        throw cancel("refused the document");
    if (cupsWriteRequestData(http.get(), job.data(), job.size()) != HTTP_STATUS_CONTINUE)
        throw cancel("took only part of the document");
    if (cupsFinishDestDocument(http.get(), dest.get(), info.get()) != IPP_STATUS_OK)
        throw cancel("did not accept the document");
}

} // namespace quillon
