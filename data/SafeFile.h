// Safe file access: bounded reads of regular files only, and atomic, durable replacements that never
// write through a device, a FIFO or a link to another user's file. Paths are bytes and keep them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillon {

enum class TFileFault : std::uint8_t {
    None,
    NotFound,
    AccessDenied,
    NotRegular,
    TooLarge,
    NotOwned,
    DiskFull,
    FileTooLarge,
    Io
};

// A failed file access: what went wrong, the errno behind it (0 when none) and the path as given.
class EFileError : public std::runtime_error {
public:
    EFileError(TFileFault fault, int error, const std::string& path, std::size_t limit = 0);
    TFileFault Fault() const { return FFault; }
    int Errno() const { return FErrno; }
    const std::string& Path() const { return FPath; }

private:
    TFileFault FFault = TFileFault::None;
    int FErrno = 0;
    std::string FPath;
};

// The whole content of the regular file `path`, of at most `limit` bytes. Devices, FIFOs, sockets and
// directories are refused without being read (a FIFO never blocks); nothing is ever modified.
std::string ReadRegularFile(const std::string& path, std::size_t limit);

// A replacement of a file, written to a temporary file beside the real target and renamed over it by
// Commit(); without Commit() the target stays as it was and the temporary file is removed.
// A target that is a symlink is followed, so the link stays a link, but only through links of the effective
// user to a regular file of the effective user; a dangling link is refused as not a regular file.
class TFileReplacement {
public:
    explicit TFileReplacement(std::string target);
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    void Write(std::string_view bytes);
    int Descriptor() const { return FDescriptor; }
    void Commit();

private:
    std::string FTarget;   // the path as given, for messages
    std::string FRealPath; // the file the rename replaces
    std::string FTempPath;
    int FDescriptor = -1;
    bool FThroughLink = false;
    bool FCommitted = false;
};

// Replaces `target` with `bytes` in one step: nothing half written is ever seen under its name.
void ReplaceFile(const std::string& target, std::string_view bytes);

// The checks of a replacement without writing, for a file another library opens itself.
void CheckReplaceable(const std::string& target);

// A file-size limit (ulimit -f) then fails a write with EFBIG instead of killing the program.
void IgnoreFileSizeSignal();

} // namespace quillon
