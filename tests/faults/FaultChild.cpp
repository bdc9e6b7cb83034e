// fault_child [--unprivileged] [--file-size-limit BYTES] COMMAND ...: one operation under a fault that
// the test process must not take on itself.
//   save-loop FILE   saves the two options-file versions by turns until it is killed, so that a test can
//                    kill it at any moment of a save; prints "saving" once the first save is done
//   write FILE       saves the new options version
//   replace DB N     replaces the picture table's rows by N new ones
//   window DIR       starts the main window on the data folder DIR as the program does, on the offscreen
//                    platform, and closes it; prints each message the window shows as "error: ..." and each
//                    question as "asked: ..." (answering "go on read-only" and "close anyway"), with line
//                    breaks as spaces, then "closed"
// --unprivileged gives up root first (exit 3 when it cannot); --file-size-limit makes a write beyond the
// limit fail with EFBIG instead of ending the process. write and replace print "ok" or "error: <message>".
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <sys/resource.h>

#include "app/BarForm.h"
#include "app/QuillonApplication.h"
#include "data/OptionsFile.h"
#include "data/PictureTable.h"
#include "data/SafeFile.h"
#include "label/compose/FontSubstitutions.h"
#include "label/sheet/PrintBarForm.h"
#include "tests/faults/FaultVersions.h"

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

int SaveLoop(const QString& path)
{
    const QByteArray versions[] = {faults::OptionsVersion(faults::TVersion::New),
                                   faults::OptionsVersion(faults::TVersion::Old)};
    try {
        for (std::uint64_t round = 0;; ++round) {
            WriteOptionsFile(path, versions[round % 2]);
            if (round == 0) {
                std::puts("saving");
                std::fflush(stdout);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

int Replace(int argc, char** argv, const QString& path, int count)
{
    QCoreApplication app(argc, argv); // the SQL driver is a plugin, found through the application
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    TPictureTable table;
    table.SetFileName(path);
    return Report([&] {
        table.Open();
        table.ReplaceAllRows(picture, count);
    });
}

void Print(const char* kind, QString message)
{
    std::printf("%s: %s\n", kind, message.replace('\n', ' ').toUtf8().constData());
    std::fflush(stdout);
}

int RunWindow(int argc, char** argv, const QString& dataDir)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TQuillonApplication app(argc, argv);
    RegisterFontSubstitutions();
    TPrintBarForm printForm;
    TBarForm form(printForm, dataDir);
    form.ReportError = [](const QString& message) { Print("error", message); };
    form.ConfirmCloseAnyway = [](const QString& message) { return Print("asked", message), true; };
    form.ChooseSecondWindow = [](const QString& message) {
        return Print("asked", message), TSecondWindow::ReadOnly;
    };
    form.show();
    std::puts(form.close() ? "closed" : "still open");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    bool unprivileged = false;
    std::string limit;
    int next = 1;
    for (; next < argc; ++next) {
        const std::string_view arg = argv[next];
        if (arg == "--unprivileged")
            unprivileged = true;
        else if (arg == "--file-size-limit" && next + 1 < argc)
            limit = argv[++next];
        else
            break;
    }
    if (unprivileged && !faults::DropToNobody()) {
        std::printf("%s: %s\n", faults::kCannotDropPrivileges, std::strerror(errno));
        return faults::kCannotDropPrivilegesExit;
    }
    IgnoreFileSizeSignal(); // as the program's main does first
    const rlimit fileSize{.rlim_cur = limit.empty() ? RLIM_INFINITY : std::stoull(limit),
                          .rlim_max = RLIM_INFINITY};
    if (!limit.empty() && setrlimit(RLIMIT_FSIZE, &fileSize) != 0) {
        std::perror("setrlimit");
        return 1;
    }
    const std::string command = next < argc ? argv[next] : "";
    const int operands = argc - next - 1;
    const auto operand = [&](int index) { return QFile::decodeName(argv[next + 1 + index]); };
    if (command == "save-loop" && operands == 1)
        return SaveLoop(operand(0));
    if (command == "write" && operands == 1)
        return Report([&] { WriteOptionsFile(operand(0), faults::OptionsVersion(faults::TVersion::New)); });
    if (command == "replace" && operands == 2)
        return Replace(argc, argv, operand(0), std::stoi(argv[next + 2]));
    if (command == "window" && operands == 1)
        return RunWindow(argc, argv, operand(0));
    std::fputs("usage: fault_child [--unprivileged] [--file-size-limit BYTES] "
               "save-loop FILE | write FILE | replace DB COUNT | window DIR\n",
               stderr);
    return 2;
}
