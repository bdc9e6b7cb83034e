// Fault tests: running the helper program, and the directories that an unprivileged child works in.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/QtSupport.h"

// Readable failure output for the texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace quillon::faults {

using testing::ReadBytes;
using testing::WriteBytes;

struct TChildResult {
    int ExitCode = -1;
    QString Output{}; // standard output without its final line end
    QString Errors{};
};

// Runs the helper program to its end. It does its work at once, so no time limit is needed.
inline TChildResult RunFaultChild(const QStringList& arguments)
{
    QProcess child;
    child.start(QStringLiteral(QUILLON_FAULT_CHILD), arguments);
    child.waitForFinished(-1);
    return {.ExitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1,
            .Output = QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed(),
            .Errors = QString::fromLocal8Bit(child.readAllStandardError())};
}

inline bool SetMode(const QString& path, mode_t mode)
{
    return chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// A data directory inside a temporary folder that the unprivileged child may pass through; its own
// mode is set per case and opened up again before the folder is removed.
class TSharedDataDir {
public:
    TSharedDataDir()
    {
        SetMode(FRoot.path(), 0755);
        QDir(FRoot.path()).mkdir(QStringLiteral("data"));
    }
    ~TSharedDataDir() { SetMode(Path(), 0755); }
    TSharedDataDir(const TSharedDataDir&) = delete;
    TSharedDataDir& operator=(const TSharedDataDir&) = delete;

    QString Path() const { return FRoot.filePath(QStringLiteral("data")); }
    QString FilePath(const QString& name) const { return QDir(Path()).filePath(name); }

private:
    QTemporaryDir FRoot;
};

// Root ignores file modes, so the child gives up root; a user without root is bound by them already,
// unless the file system does not enforce them (then the permission cases cannot run).
inline bool PermissionsCanBind(const TSharedDataDir& dir)
{
    if (geteuid() == 0)
        return true;
    SetMode(dir.Path(), 0555);
    const bool enforced = access(QFile::encodeName(dir.Path()).constData(), W_OK) != 0;
    SetMode(dir.Path(), 0755);
    return enforced;
}

} // namespace quillon::faults
