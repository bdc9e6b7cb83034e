// Safe file access: bounded reads of regular files only, and atomic, durable replacements that never
// write through a device, a FIFO or a link to another user's file. Paths are bytes and keep them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "label/words/LabelMessage.h"

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
    Io,
    WriteProtected
};

// A failed file access: what went wrong, the errno behind it (0 when none) and the path as given.
class EFileError : public std::runtime_error {
public:
    EFileError(TFileFault fault, int error, const std::string& path, std::size_t limit = 0);
    TFileFault Fault() const { return FFault; }
    int Errno() const { return FErrno; }
    const std::string& Path() const { return FPath; }
    std::size_t Limit() const { return FLimit; } // the most a TooLarge file may hold
    TLabelMessage Message() const;               // what() as a message: "File not found: PATH"

private:
    TFileFault FFault = TFileFault::None;
    int FErrno = 0;
    std::string FPath;
    std::size_t FLimit = 0;
};

// The whole content of the regular file `path`, of at most `limit` bytes. Devices, FIFOs, sockets and
// directories are refused without being read (a FIFO never blocks); nothing is ever modified.
std::string ReadRegularFile(const std::string& path, std::size_t limit);

// A replacement of a file, written to an unnamed file in the real target's folder (O_TMPFILE) and linked
// under the target's name by Commit(), so that no signal, not even SIGKILL, leaves a half-written file;
// without Commit() the target stays as it was and nothing is left. Where unnamed files cannot be linked,
// a hidden temporary file beside the target is renamed over it instead.
// A target that is a symlink is followed, so the link stays a link, but only through links of the effective
// user to a regular file of the effective user; a dangling link is refused as not a regular file. Links in
// the folders of the path must be the effective user's or root's. A file whose mode bits protect it from
// writing (the owner's write bit cleared) is refused, also for root, as rm asks before removing one.
class TFileReplacement {
public:
    explicit TFileReplacement(std::string target);
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    void Write(std::string_view bytes);
    int Descriptor() const { return FDescriptor; }
    // A name that opens the file being written, for a writer that wants a file name (Qt's PDF printer):
    // /proc/self/fd/N of the unnamed file, or the hidden temporary file.
    std::string WriterPath() const;
    void Commit();

private:
    void Committed();
    void Discard();

    std::string FTarget;   // the path as given, for messages
    std::string FRealPath; // the file the rename replaces
    std::string FTempPath; // empty for an unnamed file
    int FDescriptor = -1;
    bool FThroughLink = false;
    bool FExisted = false;
    bool FCommitted = false;
};

// Replaces `target` with `bytes` in one step: nothing half written is ever seen under its name.
void ReplaceFile(const std::string& target, std::string_view bytes);

// The checks of a replacement without writing, for a file another library opens itself.
void CheckReplaceable(const std::string& target);

// Refuses a folder path that passes through a link of anyone but the effective user or root, so that a
// link planted in a shared folder cannot steer files into another user's folder. Parts that do not
// exist yet end the check.
void CheckFolderLinks(const std::string& folder);

// Writes `bytes` as a new file at `path`, or, when that name is taken, at "path.1", "path.2", ...: an
// earlier file is never overwritten. Returns the name used.
std::string WriteNewFile(const std::string& path, std::string_view bytes);

// Refuses, without opening it, anything at `path` but a regular file of the effective user of at most
// `limit` bytes (a lock file another library reads unbounded and blocking): NotRegular for a link, FIFO,
// directory or device, NotOwned, TooLarge. Nothing there passes.
void CheckSmallOwnFile(const std::string& path, std::size_t limit);

// Why the access failed, as a sentence's end after "cannot write 'PATH': ": the system's text for its
// errno, or what the file is when it was refused because of that ("it is a FIFO, not a regular file").
TLabelMessage RefusalReason(const EFileError& error);

// What lies at a path, for a message that says why it was refused.
enum class TFileKind : std::uint8_t {
    Missing,
    DanglingLink,
    Directory,
    Fifo,
    CharacterDevice,
    BlockDevice,
    Socket,
    Link,
    Regular,
    Other
};
TFileKind KindAt(const std::string& path);
// The kind in English, a wording of the window's catalogues: "a FIFO", "a directory", ...
std::string_view KindText(TFileKind kind);
std::string WhatIsAt(const std::string& path); // KindText(KindAt(path))

// "1 MiB", "64 KiB", "100 bytes": a size limit as messages give it.
std::string LimitText(std::size_t limit);

// A file-size limit (ulimit -f) then fails a write with EFBIG instead of killing the program.
void IgnoreFileSizeSignal();

} // namespace quillon
