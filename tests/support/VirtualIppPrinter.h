// A virtual IPP printer for tests (ippeveprinter on a private D-Bus), and the PDF documents it keeps.
#pragma once

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace quillon::testing {

// A virtual IPP Everywhere printer that keeps every document it gets in its spool folder. It will not
// start without a D-Bus for its DNS-SD client, which a machine without a system bus lacks: it gets a
// private bus of its own, and it advertises nothing (-r off).
class VirtualIppPrinter {
public:
    VirtualIppPrinter(const QString& folder, int port)
    {
        const QString bus = "unix:path=" + folder + "/bus";
        FBus.start("dbus-daemon", {"--session", "--nofork", "--print-address", "--address=" + bus});
        if (!FBus.waitForReadyRead(10'000))
            return;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", bus);
        FPrinter.setProcessEnvironment(environment);
        FPrinter.start("ippeveprinter", {"-p", QString::number(port), "-d", folder + "/spool", "-k", "-f",
                                         "application/pdf", "-r", "off", "QuillonTest"});
        FPrinter.waitForStarted(10'000);
        // Ready once it takes connections.
        for (int i = 0; i < 200 && !FReady && FPrinter.state() == QProcess::Running; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<std::uint16_t>(port));
            FReady = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            ::close(fd);
            if (!FReady)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~VirtualIppPrinter()
    {
        for (QProcess* process : {&FPrinter, &FBus}) {
            process->terminate();
            if (!process->waitForFinished(5'000))
                process->kill();
            process->waitForFinished(5'000);
        }
    }
    bool Ready() const { return FReady; }
    std::string Errors() { return FPrinter.readAllStandardError().toStdString(); }

private:
    QProcess FBus;
    QProcess FPrinter;
    bool FReady = false;
};

// The PDF documents in the printer's spool folder, once the job is there.
inline QStringList SpooledPdfs(const QString& spool)
{
    QStringList found;
    for (int i = 0; i < 100 && found.isEmpty(); ++i) {
        found = QDir(spool).entryList({"*.pdf"}, QDir::Files, QDir::Name);
        if (found.isEmpty())
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return found;
}

} // namespace quillon::testing
