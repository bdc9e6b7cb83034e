// fault_child: one file operation under a fault that the test process must not take on itself.
//   write-limited LIMIT FILE   saves the new options version under a file-size limit of LIMIT bytes
//   write-unprivileged FILE    saves the new options version as user "nobody"
//   replace-unprivileged DB N  replaces the picture table's rows by N new ones as user "nobody"
// Prints "ok" or "error: <message>" and exits 0; exits 3 when it cannot give up root.
#include <QCoreApplication>
#include <QImage>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "data/OptionsFile.h"
#include "data/PictureTable.h"
#include "tests/faults/FaultVersions.h"
#include "tests/faults/Privileges.h"

namespace {

using namespace quillon;

int Report(const std::function<void()>& action)
{
    try {
        action();
        std::puts("ok");
    } catch (const std::exception& e) {
        std::printf("error: %s\n", e.what());
    }
    return 0;
}

// With SIGXFSZ ignored, a write beyond the limit fails with EFBIG instead of ending the process.
int WriteLimited(const char* limitText, const QString& path)
{
    const rlim_t limitBytes = std::stoull(limitText);
    const rlimit limit{.rlim_cur = limitBytes, .rlim_max = RLIM_INFINITY};
    if (signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        std::perror("setrlimit");
        return 1;
    }
    return Report([&] { WriteOptionsFile(path, faults::OptionsVersion(faults::TVersion::New)); });
}

int WriteUnprivileged(const QString& path)
{
    return Report([&] { WriteOptionsFile(path, faults::OptionsVersion(faults::TVersion::New)); });
}

int ReplaceUnprivileged(const QString& path, int count)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    TPictureTable table;
    table.SetFileName(path);
    return Report([&] {
        table.Open();
        table.ReplaceAllRows(picture, count);
    });
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "write-limited" && argc == 4)
        return WriteLimited(argv[2], QString::fromLocal8Bit(argv[3]));
    const bool unprivileged = command == "write-unprivileged" || command == "replace-unprivileged";
    if (unprivileged && !faults::DropToNobody()) {
        std::printf("%s: %s\n", faults::kCannotDropPrivileges, std::strerror(errno));
        return faults::kCannotDropPrivilegesExit;
    }
    if (command == "write-unprivileged" && argc == 3)
        return WriteUnprivileged(QString::fromLocal8Bit(argv[2]));
    if (command == "replace-unprivileged" && argc == 4) {
        QCoreApplication app(argc, argv); // the SQL driver is a plugin, found through the application
        return ReplaceUnprivileged(QString::fromLocal8Bit(argv[2]), std::stoi(argv[3]));
    }
    std::fputs("usage: fault_child write-limited LIMIT FILE | write-unprivileged FILE | "
               "replace-unprivileged DB COUNT\n",
               stderr);
    return 2;
}
