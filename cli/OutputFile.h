// The files quillon-cli writes, through the safe file access, and the messages about them.
#pragma once

#include <QIODevice>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "data/SafeFile.h"

namespace quillon::cli {

// An output file that could not be written; main prints the message and exits with status 1.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "cannot write 'PATH': REASON".
OutputError CannotWrite(const std::string& path, const std::string& reason);
// The same for a failed file access: the system's text for its errno, or what the file is when the
// access was refused because of it (a FIFO, a device, another user's file).
OutputError CannotWrite(const EFileError& error);

// Replaces the file at `path` with `bytes` in one step, so that it is either the whole new file or
// left as it was: a link is followed only to a regular file of the user, anything but a regular file
// is refused. Raises OutputError, or Interrupted when SIGINT or SIGTERM came before the file took its
// name (the temporary file is removed then). Call inside an InterruptGuard.
void ReplaceWhole(const std::string& path, std::string_view bytes);

// The folder that bulk output goes into, made when missing and opened (O_DIRECTORY): a path through
// another user's link is refused as a file's would be. Raises OutputError.
int OpenOutputDirectory(const std::string& path);

// ReplaceWhole with SIGINT and SIGTERM held off while the file is written.
void WriteOutputFile(const std::string& path, std::string_view bytes);

// The replacement of the file at `path` as a device that a writer streams into, for a file too large
// to be made in memory first: nothing shows under the name until Commit(), and without it (an error,
// SIGINT) the temporary file beside it is removed. Writes are gathered into large ones; once one
// fails every later one fails too. Raises OutputError when the replacement cannot be begun.
class ReplacementDevice : public QIODevice {
public:
    explicit ReplacementDevice(const std::string& path);
    ~ReplacementDevice() override;

    bool isSequential() const override { return true; }
    // Raises OutputError for a write that failed.
    void Check() const;
    // Writes what is gathered and gives the file its name. Raises OutputError, or Interrupted when
    // SIGINT or SIGTERM came first. Call inside an InterruptGuard.
    void Commit();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void WriteGathered();

    std::optional<TFileReplacement> FReplacement{};
    std::string FGathered{};
    std::optional<EFileError> FFailure{};
};

} // namespace quillon::cli
