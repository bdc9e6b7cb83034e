#include "data/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "data/Escape.h"

namespace quillon {
namespace {

// The fault each errno of open, stat, write, fsync and rename stands for; any other errno is an I/O error.
struct TErrnoFault {
    int Error = 0;
    TFileFault Fault = TFileFault::Io;
};
constexpr TErrnoFault kErrnoFaults[] = {
    {ENOENT, TFileFault::NotFound},    {ENOTDIR, TFileFault::NotFound},   {EACCES, TFileFault::AccessDenied},
    {EPERM, TFileFault::AccessDenied}, {EROFS, TFileFault::AccessDenied}, {EISDIR, TFileFault::NotRegular},
    {ELOOP, TFileFault::NotRegular},   {ENXIO, TFileFault::NotRegular},   {ENOSPC, TFileFault::DiskFull},
    {EDQUOT, TFileFault::DiskFull},    {EFBIG, TFileFault::FileTooLarge},
};

constexpr int kMaxLinkHops = 40; // as the kernel's own limit on links in a path
constexpr char kTempNameLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTempSuffixLength = 6; // the XXXXXX of ".<name>.XXXXXX"
constexpr int kTempNameTries = 100;

std::string LimitText(std::size_t limit)
{
    constexpr std::size_t kKiB = 1024, kMiB = 1024 * kKiB;
    if (limit >= kMiB && limit % kMiB == 0)
        return std::to_string(limit / kMiB) + " MiB";
    if (limit >= kKiB && limit % kKiB == 0)
        return std::to_string(limit / kKiB) + " KiB";
    return std::to_string(limit) + " bytes";
}

std::string Message(TFileFault fault, int error, const std::string& path, std::size_t limit)
{
    const std::string name = EscapeForMessage(path);
    switch (fault) {
    case TFileFault::None: return "No error: " + name;
    case TFileFault::NotFound: return "File not found: " + name;
    case TFileFault::AccessDenied: return "File access denied: " + name;
    case TFileFault::NotRegular: return "Not a regular file: " + name;
    case TFileFault::TooLarge: return "Larger than " + LimitText(limit) + ": " + name;
    case TFileFault::NotOwned: return "Not yours to replace: " + name;
    case TFileFault::DiskFull: return "Disk full: " + name;
    case TFileFault::FileTooLarge: return "File too large: " + name;
    case TFileFault::Io: break;
    }
    return "I/O error " + std::to_string(error) + ": " + name;
}

[[noreturn]] void Fail(int error, const std::string& path)
{
    for (const TErrnoFault& row : kErrnoFaults)
        if (row.Error == error)
            throw EFileError(row.Fault, error, path);
    throw EFileError(TFileFault::Io, error, path);
}

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void RequireDirectoryOf(const std::string& target)
{
    struct stat directory {};
    if (stat(DirectoryOf(target).c_str(), &directory) != 0 || !S_ISDIR(directory.st_mode))
        throw EFileError(TFileFault::NotFound, ENOENT, target);
}

// Where a replacement of `target` must land, and what lies there now.
struct TResolvedTarget {
    std::string RealPath;
    bool Exists = false;
    bool ThroughLink = false;
    mode_t Mode = 0;
};

// Follows the links that `target` names itself (not those of its directories): every link must be the
// effective user's, and what they end at a regular file of the effective user, so that a link planted
// in a shared directory can never steer a write into someone else's file or onto a device.
TResolvedTarget ResolveTarget(const std::string& target)
{
    if (NameOf(target).empty())
        throw EFileError(TFileFault::NotRegular, EISDIR, target);
    TResolvedTarget resolved{.RealPath = target};
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status {};
        if (lstat(resolved.RealPath.c_str(), &status) != 0) {
            if (errno == ENOENT && resolved.ThroughLink) // a dangling link: never create where it points
                throw EFileError(TFileFault::NotRegular, ENOENT, target);
            if (errno != ENOENT)
                Fail(errno, target);
            RequireDirectoryOf(target); // the rename creates the file, but not its directory
            return resolved;
        }
        if (!S_ISLNK(status.st_mode)) {
            if (!S_ISREG(status.st_mode))
                throw EFileError(TFileFault::NotRegular, 0, target);
            if (resolved.ThroughLink && status.st_uid != geteuid())
                throw EFileError(TFileFault::NotOwned, 0, target);
            resolved.Exists = true;
            resolved.Mode = status.st_mode & 0777; // set-ID and sticky bits are not carried over
            return resolved;
        }
        if (status.st_uid != geteuid())
            throw EFileError(TFileFault::NotOwned, 0, target);
        char link[PATH_MAX];
        const ssize_t length = readlink(resolved.RealPath.c_str(), link, sizeof link);
        if (length < 0 || length == static_cast<ssize_t>(sizeof link))
            Fail(length < 0 ? errno : ENAMETOOLONG, target);
        const std::string destination(link, static_cast<std::size_t>(length));
        resolved.RealPath =
            destination.starts_with('/') ? destination : DirectoryOf(resolved.RealPath) + "/" + destination;
        resolved.ThroughLink = true;
    }
    throw EFileError(TFileFault::NotRegular, ELOOP, target);
}

// Creates ".<name>.XXXXXX" beside `path` with O_EXCL, so that a new file gets 0666 less the umask as any
// new file would; the name is cut so that it still fits NAME_MAX.
int CreateTempBeside(const std::string& path, std::string& tempPath)
{
    const std::string name = NameOf(path).substr(0, NAME_MAX - kTempSuffixLength - 2);
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kTempNameLetters - 2);
    for (int attempt = 0; attempt < kTempNameTries; ++attempt) {
        tempPath = DirectoryOf(path) + "/." + name + ".";
        for (std::size_t index = 0; index < kTempSuffixLength; ++index)
            tempPath += kTempNameLetters[letter(random)];
        const int descriptor =
            open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// Closes the descriptor it holds, whichever way the function that opened it ends.
struct TDescriptor {
    int Number = -1;
    explicit TDescriptor(int number) : Number(number) {}
    TDescriptor(const TDescriptor&) = delete;
    ~TDescriptor()
    {
        if (Number >= 0)
            close(Number);
    }
};

// Reads until the end of the file or `most` bytes; the errno of a failed read, or 0.
int ReadAtMost(int descriptor, std::size_t most, std::string& content)
{
    char buffer[65536];
    while (content.size() < most) {
        const ssize_t got = read(descriptor, buffer, std::min(sizeof buffer, most - content.size()));
        if (got == 0)
            return 0;
        if (got < 0 && errno != EINTR)
            return errno;
        if (got > 0)
            content.append(buffer, static_cast<std::size_t>(got));
    }
    return 0;
}

bool SameFile(const struct stat& one, const struct stat& other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// True while `path` still names the file open as `descriptor`, so that nobody else's file is renamed or
// removed under our temporary name.
bool StillNames(const std::string& path, int descriptor)
{
    struct stat named {};
    struct stat opened {};
    return lstat(path.c_str(), &named) == 0 && fstat(descriptor, &opened) == 0 && SameFile(named, opened);
}

void SyncDirectoryOf(const std::string& path, const std::string& target)
{
    const TDescriptor directory(open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Number < 0)
        Fail(errno, target);
    if (fsync(directory.Number) != 0 && errno != EINVAL) // EINVAL: a file system that cannot sync directories
        Fail(errno, target);
}

} // namespace

EFileError::EFileError(TFileFault fault, int error, const std::string& path, std::size_t limit)
    : std::runtime_error(Message(fault, error, path, limit)), FFault(fault), FErrno(error), FPath(path)
{
}

std::string ReadRegularFile(const std::string& path, std::size_t limit)
{
    struct stat status {};
    // stat first, so that a device is not even opened (opening some has effects of its own).
    if (stat(path.c_str(), &status) != 0)
        Fail(errno, path);
    if (!S_ISREG(status.st_mode))
        throw EFileError(TFileFault::NotRegular, 0, path);
    const TDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Number < 0)
        Fail(errno, path);
    if (fstat(file.Number, &status) != 0 || fcntl(file.Number, F_SETFL, 0) != 0)
        Fail(errno, path);
    if (!S_ISREG(status.st_mode)) // swapped since the stat above
        throw EFileError(TFileFault::NotRegular, 0, path);
    if (static_cast<std::uintmax_t>(status.st_size) > limit)
        throw EFileError(TFileFault::TooLarge, EFBIG, path, limit);
    // Read one byte past the limit, so that a file growing while it is read is caught as well.
    std::string content;
    if (const int error = ReadAtMost(file.Number, limit < SIZE_MAX ? limit + 1 : limit, content); error != 0)
        Fail(error, path);
    if (content.size() > limit)
        throw EFileError(TFileFault::TooLarge, EFBIG, path, limit);
    return content;
}

TFileReplacement::TFileReplacement(std::string target) : FTarget(std::move(target))
{
    const TResolvedTarget resolved = ResolveTarget(FTarget);
    // A file its owner made read-only is not replaced behind its back, although its folder would allow it.
    if (resolved.Exists && faccessat(AT_FDCWD, resolved.RealPath.c_str(), W_OK, AT_EACCESS) != 0 &&
        errno == EACCES)
        Fail(EACCES, FTarget);
    FRealPath = resolved.RealPath;
    FThroughLink = resolved.ThroughLink;
    FDescriptor = CreateTempBeside(FRealPath, FTempPath);
    if (FDescriptor < 0)
        Fail(errno, FTarget);
    if (resolved.Exists && fchmod(FDescriptor, resolved.Mode) != 0) {
        const int error = errno;
        close(FDescriptor), unlink(FTempPath.c_str());
        Fail(error, FTarget);
    }
}

TFileReplacement::~TFileReplacement()
{
    if (FDescriptor < 0)
        return;
    if (!FCommitted && StillNames(FTempPath, FDescriptor))
        unlink(FTempPath.c_str());
    close(FDescriptor);
}

void TFileReplacement::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(FDescriptor, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR)
            Fail(errno, FTarget);
        if (written > 0)
            bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void TFileReplacement::Commit()
{
    if (fsync(FDescriptor) != 0)
        Fail(errno, FTarget);
    // Checked again just before the rename, to narrow the window in which the target can be swapped.
    const TResolvedTarget resolved = ResolveTarget(FTarget);
    if (resolved.RealPath != FRealPath || resolved.ThroughLink != FThroughLink)
        throw EFileError(TFileFault::NotOwned, 0, FTarget);
    if (!StillNames(FTempPath, FDescriptor))
        throw EFileError(TFileFault::Io, ENOENT, FTarget);
    if (rename(FTempPath.c_str(), FRealPath.c_str()) != 0)
        Fail(errno, FTarget);
    FCommitted = true;
    close(FDescriptor); // the file is the target's now: no more writes
    FDescriptor = -1;
    SyncDirectoryOf(FRealPath, FTarget);
}

void ReplaceFile(const std::string& target, std::string_view bytes)
{
    TFileReplacement replacement(target);
    replacement.Write(bytes);
    replacement.Commit();
}

void CheckReplaceable(const std::string& target)
{
    const TResolvedTarget resolved = ResolveTarget(target);
    if (faccessat(AT_FDCWD, DirectoryOf(resolved.RealPath).c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        Fail(errno, target);
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace quillon
