#include "data/SafeFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// By TFileFault.
constexpr TMessageCode kFaultCodes[] = {
    TMessageCode::FileNoError,        TMessageCode::FileNotFound,   TMessageCode::FileAccessDenied,
    TMessageCode::FileNotRegular,     TMessageCode::FileLargerThan, TMessageCode::FileNotYours,
    TMessageCode::FileDiskFull,       TMessageCode::FileTooLarge,   TMessageCode::FileIoError,
    TMessageCode::FileWriteProtected,
};
static_assert(std::size(kFaultCodes) == static_cast<std::size_t>(TFileFault::WriteProtected) + 1);

TLabelMessage FaultMessage(TFileFault fault, int error, const std::string& path, std::size_t limit)
{
    TLabelMessage message{kFaultCodes[static_cast<std::size_t>(fault)], {EscapeForMessage(path)}};
    if (fault == TFileFault::TooLarge)
        message.Args.push_back(LimitText(limit));
    if (fault == TFileFault::Io)
        message.Args.push_back(std::to_string(error));
    return message;
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

// Links that may lead a path elsewhere: the effective user's own, and root's (the system's own links
// such as /var/run); a link of another user could point anywhere that user likes.
bool TrustedLinkOwner(uid_t owner)
{
    return owner == geteuid() || owner == 0;
}

std::vector<std::string> PartsOf(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        if (slash > start)
            parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return parts;
}

// Walks `folder` part by part as the kernel would, following each link only when its owner is trusted.
void CheckLinksOf(const std::string& folder, const std::string& target)
{
    std::string reached = folder.starts_with('/') ? "" : ".";
    std::vector<std::string> pending = PartsOf(folder);
    std::reverse(pending.begin(), pending.end());
    int hops = 0;
    while (!pending.empty()) {
        const std::string part = std::move(pending.back());
        pending.pop_back();
        if (part == ".")
            continue;
        const std::string next = reached + "/" + part;
        struct stat status {};
        if (lstat(next.c_str(), &status) != 0)
            return; // not made yet: nothing further can be a link
        if (!S_ISLNK(status.st_mode)) {
            reached = next;
            continue;
        }
        if (!TrustedLinkOwner(status.st_uid))
            throw EFileError(TFileFault::NotOwned, 0, target);
        if (++hops > kMaxLinkHops)
            throw EFileError(TFileFault::NotRegular, ELOOP, target);
        char link[PATH_MAX];
        const ssize_t length = readlink(next.c_str(), link, sizeof link);
        if (length < 0 || length == static_cast<ssize_t>(sizeof link))
            Fail(length < 0 ? errno : ENAMETOOLONG, target);
        const std::string destination(link, static_cast<std::size_t>(length));
        if (destination.starts_with('/'))
            reached.clear();
        std::vector<std::string> inner = PartsOf(destination);
        pending.insert(pending.end(), inner.rbegin(), inner.rend());
    }
}

// A file its owner made read-only is not replaced behind its back, although its folder would allow it;
// root too honours the owner's write bit, as rm asks before removing such a file.
bool WriteProtected(const struct stat& status)
{
    return (status.st_uid == geteuid() || geteuid() == 0) && (status.st_mode & S_IWUSR) == 0;
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
    CheckLinksOf(DirectoryOf(target), target);
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
            if (resolved.ThroughLink)
                CheckLinksOf(DirectoryOf(resolved.RealPath), target);
            if (WriteProtected(status))
                throw EFileError(TFileFault::WriteProtected, EACCES, target);
            // Another user's file that this user may not write is not replaced either.
            if (faccessat(AT_FDCWD, resolved.RealPath.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
                Fail(EACCES, target);
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

// Tries fresh names ".<name>.XXXXXX" beside `path` (cut so that they still fit NAME_MAX) until `make`
// takes one: it returns true when done, false with errno EEXIST to try another, or false to give up.
template <typename Make>
bool WithFreshNameBeside(const std::string& path, std::string& tempPath, const Make& make)
{
    const std::string name = NameOf(path).substr(0, NAME_MAX - kTempSuffixLength - 2);
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kTempNameLetters - 2);
    for (int attempt = 0; attempt < kTempNameTries; ++attempt) {
        tempPath = DirectoryOf(path) + "/." + name + ".";
        for (std::size_t index = 0; index < kTempSuffixLength; ++index)
            tempPath += kTempNameLetters[letter(random)];
        if (make(tempPath))
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Creates ".<name>.XXXXXX" beside `path` with O_EXCL, so that a new file gets 0666 less the umask as any
// new file would.
int CreateTempBeside(const std::string& path, std::string& tempPath)
{
    int descriptor = -1;
    WithFreshNameBeside(path, tempPath, [&](const std::string& candidate) {
        descriptor = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        return descriptor >= 0;
    });
    return descriptor;
}

// An unnamed file in the folder of `path`, or -1 where the file system or the kernel has none, or
// where it could not be linked later for want of /proc.
int CreateUnnamedBeside(const std::string& path)
{
    if (access("/proc/self/fd", X_OK) != 0) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return open(DirectoryOf(path).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// Gives the unnamed file open as `descriptor` the name `path`; false with errno set when it cannot.
bool LinkUnnamed(int descriptor, const std::string& path)
{
    const std::string procName = "/proc/self/fd/" + std::to_string(descriptor);
    return linkat(AT_FDCWD, procName.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Links the unnamed file under a fresh ".<name>.XXXXXX" beside `path`, ready to be renamed over it.
bool LinkUnnamedBeside(int descriptor, const std::string& path, std::string& tempPath)
{
    return WithFreshNameBeside(
        path, tempPath, [&](const std::string& candidate) { return LinkUnnamed(descriptor, candidate); });
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
    : std::runtime_error(EnglishText(FaultMessage(fault, error, path, limit))), FFault(fault), FErrno(error),
      FPath(path), FLimit(limit)
{
}

TLabelMessage EFileError::Message() const
{
    return FaultMessage(FFault, FErrno, FPath, FLimit);
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
    FRealPath = resolved.RealPath;
    FThroughLink = resolved.ThroughLink;
    FExisted = resolved.Exists;
    FDescriptor = CreateUnnamedBeside(FRealPath);
    if (FDescriptor < 0) // no unnamed files here: a hidden named one, renamed over the target
        FDescriptor = CreateTempBeside(FRealPath, FTempPath);
    if (FDescriptor < 0)
        Fail(errno, FTarget);
    if (resolved.Exists && fchmod(FDescriptor, resolved.Mode) != 0) {
        const int error = errno;
        Discard();
        Fail(error, FTarget);
    }
}

TFileReplacement::~TFileReplacement()
{
    Discard();
}

void TFileReplacement::Discard()
{
    if (FDescriptor < 0)
        return;
    if (!FCommitted && !FTempPath.empty() && StillNames(FTempPath, FDescriptor))
        unlink(FTempPath.c_str());
    close(FDescriptor);
    FDescriptor = -1;
}

std::string TFileReplacement::WriterPath() const
{
    return FTempPath.empty() ? "/proc/self/fd/" + std::to_string(FDescriptor) : FTempPath;
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
    if (FTempPath.empty()) {
        // A new name takes the unnamed file at once; an existing one is replaced by a rename from a
        // fresh hidden name, the one moment a named temporary file exists.
        if (!resolved.Exists && LinkUnnamed(FDescriptor, FRealPath)) {
            Committed();
            return;
        }
        if (!resolved.Exists && errno != EEXIST)
            Fail(errno, FTarget);
        if (!LinkUnnamedBeside(FDescriptor, FRealPath, FTempPath))
            Fail(errno, FTarget);
    }
    if (!StillNames(FTempPath, FDescriptor))
        throw EFileError(TFileFault::Io, ENOENT, FTarget);
    if (rename(FTempPath.c_str(), FRealPath.c_str()) != 0) {
        const int error = errno;
        unlink(FTempPath.c_str());
        Fail(error, FTarget);
    }
    Committed();
}

void TFileReplacement::Committed()
{
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

void CheckFolderLinks(const std::string& folder)
{
    CheckLinksOf(folder, folder);
}

std::string WriteNewFile(const std::string& path, std::string_view bytes)
{
    constexpr int kMostCopies = 1000;
    CheckLinksOf(DirectoryOf(path), path);
    std::string tempPath; // empty for an unnamed file
    int descriptor = CreateUnnamedBeside(path);
    if (descriptor < 0)
        descriptor = CreateTempBeside(path, tempPath);
    if (descriptor < 0)
        Fail(errno, path);
    const TDescriptor file(descriptor);
    struct TTempName { // a named temporary file goes again once it is linked or has failed
        const std::string& Path;
        int Descriptor;
        ~TTempName()
        {
            if (!Path.empty() && StillNames(Path, Descriptor))
                unlink(Path.c_str());
        }
    } const temp{tempPath, descriptor};
    for (std::string_view rest = bytes; !rest.empty();) {
        const ssize_t written = write(descriptor, rest.data(), rest.size());
        if (written < 0 && errno != EINTR)
            Fail(errno, path);
        if (written > 0)
            rest.remove_prefix(static_cast<std::size_t>(written));
    }
    if (fsync(descriptor) != 0)
        Fail(errno, path);
    // A link never replaces a name that exists: the first free one takes the file.
    for (int copy = 0; copy < kMostCopies; ++copy) {
        const std::string name = copy == 0 ? path : path + "." + std::to_string(copy);
        const bool linked =
            tempPath.empty() ? LinkUnnamed(descriptor, name) : link(tempPath.c_str(), name.c_str()) == 0;
        if (linked) {
            SyncDirectoryOf(name, name);
            return name;
        }
        if (errno != EEXIST)
            Fail(errno, name);
    }
    throw EFileError(TFileFault::Io, EEXIST, path);
}

void CheckSmallOwnFile(const std::string& path, std::size_t limit)
{
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return;
        Fail(errno, path);
    }
    if (!S_ISREG(status.st_mode))
        throw EFileError(TFileFault::NotRegular, 0, path);
    if (status.st_uid != geteuid())
        throw EFileError(TFileFault::NotOwned, 0, path);
    if (static_cast<std::uintmax_t>(status.st_size) > limit)
        throw EFileError(TFileFault::TooLarge, EFBIG, path, limit);
}

namespace {

// "0444": the permission bits of what `path` leads to.
std::string ModeOf(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return "unknown";
    std::string digits(4, '0');
    for (int index = 3, mode = static_cast<int>(status.st_mode & 07777); index >= 0; --index, mode /= 8)
        digits[static_cast<std::size_t>(index)] = static_cast<char>('0' + mode % 8);
    return digits;
}

} // namespace

TLabelMessage RefusalReason(const EFileError& error)
{
    switch (error.Fault()) {
    case TFileFault::NotRegular:
        return {TMessageCode::RefusedNotRegular,
                {},
                {{TMessageCode::Catalogued, {std::string(KindText(KindAt(error.Path())))}}}};
    case TFileFault::NotOwned: return {TMessageCode::RefusedNotOwned};
    case TFileFault::WriteProtected: return {TMessageCode::RefusedWriteProtected, {ModeOf(error.Path())}};
    default: break;
    }
    if (error.Errno() == 0)
        return error.Message();
    char buffer[256] = {};
    return {TMessageCode::Said, {strerror_r(error.Errno(), buffer, sizeof buffer)}}; // the system's own words
}

TFileKind KindAt(const std::string& path)
{
    struct stat status {};
    const bool link = lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
    if (stat(path.c_str(), &status) != 0)
        return link ? TFileKind::DanglingLink : TFileKind::Missing;
    if (S_ISDIR(status.st_mode))
        return TFileKind::Directory;
    if (S_ISFIFO(status.st_mode))
        return TFileKind::Fifo;
    if (S_ISCHR(status.st_mode))
        return TFileKind::CharacterDevice;
    if (S_ISBLK(status.st_mode))
        return TFileKind::BlockDevice;
    if (S_ISSOCK(status.st_mode))
        return TFileKind::Socket;
    if (link)
        return TFileKind::Link;
    return S_ISREG(status.st_mode) ? TFileKind::Regular : TFileKind::Other;
}

std::string_view KindText(TFileKind kind)
{
    switch (kind) {
    case TFileKind::DanglingLink: return Wording("Messages", "a link that leads nowhere");
    case TFileKind::Directory: return Wording("Messages", "a directory");
    case TFileKind::Fifo: return Wording("Messages", "a FIFO");
    case TFileKind::CharacterDevice: return Wording("Messages", "a character device");
    case TFileKind::BlockDevice: return Wording("Messages", "a block device");
    case TFileKind::Socket: return Wording("Messages", "a socket");
    case TFileKind::Link: return Wording("Messages", "a link");
    case TFileKind::Regular: return Wording("Messages", "a regular file");
    case TFileKind::Missing:
    case TFileKind::Other: break;
    }
    return Wording("Messages", "not a regular file");
}

std::string WhatIsAt(const std::string& path)
{
    return std::string(KindText(KindAt(path)));
}

std::string LimitText(std::size_t limit)
{
    constexpr std::size_t kKiB = 1024, kMiB = 1024 * kKiB;
    if (limit >= kMiB && limit % kMiB == 0)
        return std::to_string(limit / kMiB) + " MiB";
    if (limit >= kKiB && limit % kKiB == 0)
        return std::to_string(limit / kKiB) + " KiB";
    return std::to_string(limit) + " bytes";
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace quillon
