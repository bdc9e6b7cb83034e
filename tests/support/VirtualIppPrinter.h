// A virtual IPP printer for tests (ippeveprinter on a private D-Bus), and the PDF documents it keeps.
#pragma once

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <arpa/inet.h>
#include <chrono>
#include <cmath>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "tests/support/FakeRawPrinter.h"
#include "tests/support/PdfRaster.h"
#include "tests/support/Rasterisers.h"

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
            const int fd = ConnectedTo(port);
            FReady = fd >= 0;
            if (FReady)
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

// The one page the printer kept, read back: its text when it is a page of widthMm x heightMm at `dpi`
// (to a dot and a half) holding one barcode; otherwise what was found instead.
inline std::string SpooledLabelText(const QString& spool, double widthMm, double heightMm, int dpi)
{
    const QStringList pdfs = SpooledPdfs(spool);
    if (pdfs.size() != 1)
        return std::to_string(pdfs.size()) + " documents";
    const std::vector<QImage> pages = RenderPdf(spool + "/" + pdfs[0], dpi);
    if (pages.size() != 1)
        return std::to_string(pages.size()) + " pages";
    const auto near = [dpi](int dots, double mm) { return std::abs(dots - mm / 25.4 * dpi) <= 1.5; };
    if (!near(pages[0].width(), widthMm) || !near(pages[0].height(), heightMm))
        return "a page of " + std::to_string(pages[0].width()) + " x " + std::to_string(pages[0].height()) +
               " dots";
    const std::vector<TZxingReading> readings =
        ReadWithZxing(pages[0].convertToFormat(QImage::Format_Grayscale8));
    return readings.size() == 1 ? readings[0].Text : std::to_string(readings.size()) + " barcodes";
}

} // namespace quillon::testing
