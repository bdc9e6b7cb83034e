// window_child [--unprivileged] [--file-size-limit BYTES] DIR: starts the main window on the data folder
// DIR as the program does (a file-size limit is an error, not a kill), on the offscreen platform, and
// closes it. Prints each message the window shows as "error: ..." and each question as "asked: ..."
// (answering "go on read-only" and "close anyway"), with line breaks as spaces, then "closed".
// Exits 3 when it cannot give up root.
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/resource.h>

#include "app/BarForm.h"
#include "app/QuillonApplication.h"
#include "data/SafeFile.h"
#include "label/FontSubstitutions.h"
#include "label/PrintBarForm.h"
#include "tests/faults/FaultVersions.h"
#include "tests/faults/Privileges.h"

namespace {

using namespace quillon;

void Print(const char* kind, QString message)
{
    std::printf("%s: %s\n", kind, message.replace('\n', ' ').toUtf8().constData());
    std::fflush(stdout);
}

int RunWindow(int argc, char** argv, const QString& dataDir)
{
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
    for (; next < argc - 1; ++next) {
        const std::string_view arg = argv[next];
        if (arg == "--unprivileged")
            unprivileged = true;
        else if (arg == "--file-size-limit" && next + 2 < argc)
            limit = argv[++next];
        else
            break;
    }
    if (next != argc - 1) {
        std::fputs("usage: window_child [--unprivileged] [--file-size-limit BYTES] DIR\n", stderr);
        return 2;
    }
    if (unprivileged && !faults::DropToNobody()) {
        std::printf("%s: %s\n", faults::kCannotDropPrivileges, std::strerror(errno));
        return faults::kCannotDropPrivilegesExit;
    }
    IgnoreFileSizeSignal(); // as the program's main does first
    if (!limit.empty()) {
        const rlimit fileSize{.rlim_cur = std::stoull(limit), .rlim_max = RLIM_INFINITY};
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0) {
            std::perror("setrlimit");
            return 1;
        }
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return RunWindow(argc, argv, QFile::decodeName(argv[argc - 1]));
}
