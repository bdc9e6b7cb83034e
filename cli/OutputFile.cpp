#include "OutputFile.h"

#include <sys/stat.h>

#include "Codes.h"
#include "Interrupt.h"

namespace quillon::cli {

namespace {

// What lies at `path` when the file access refused it for not being a regular file.
std::string WhatIsAt(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return lstat(path.c_str(), &status) == 0 ? "a link that leads nowhere" : "not a regular file";
    if (S_ISDIR(status.st_mode))
        return "a directory";
    if (S_ISFIFO(status.st_mode))
        return "a FIFO";
    if (S_ISCHR(status.st_mode))
        return "a character device";
    if (S_ISBLK(status.st_mode))
        return "a block device";
    if (S_ISSOCK(status.st_mode))
        return "a socket";
    return "not a regular file";
}

std::string Reason(const EFileError& error)
{
    switch (error.Fault()) {
    case TFileFault::NotRegular: return "it is " + WhatIsAt(error.Path()) + ", not a regular file";
    case TFileFault::NotOwned: return "it is another user's file or reached through another user's link";
    default: break;
    }
    return error.Errno() != 0 ? ErrnoText(error.Errno()) : std::string(error.what());
}

} // namespace

OutputError CannotWrite(const std::string& path, const std::string& reason)
{
    return OutputError("cannot write '" + path + "': " + reason);
}

OutputError CannotWrite(const EFileError& error)
{
    return CannotWrite(error.Path(), Reason(error));
}

void ReplaceWhole(const std::string& path, std::string_view bytes)
{
    try {
        TFileReplacement replacement(path);
        replacement.Write(bytes);
        ThrowIfInterrupted(); // the replacement's end removes the temporary file
        replacement.Commit();
    } catch (const EFileError& error) {
        throw CannotWrite(error);
    }
}

void WriteOutputFile(const std::string& path, std::string_view bytes)
{
    const InterruptGuard guard;
    ReplaceWhole(path, bytes);
}

} // namespace quillon::cli
