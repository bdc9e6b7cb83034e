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

namespace {

// A PDF writer writes a few bytes at a time; the disk gets them in pieces of this size.
constexpr std::size_t kGatheredBytes = 256 * 1024;

} // namespace

ReplacementDevice::ReplacementDevice(const std::string& path)
{
    try {
        FReplacement.emplace(path);
    } catch (const EFileError& error) {
        throw CannotWrite(error);
    }
    FGathered.reserve(kGatheredBytes);
    open(QIODevice::WriteOnly);
}

ReplacementDevice::~ReplacementDevice() = default; // the replacement, not committed, removes its file

qint64 ReplacementDevice::readData(char*, qint64)
{
    return -1;
}

qint64 ReplacementDevice::writeData(const char* data, qint64 size)
{
    if (FFailure)
        return -1;
    FGathered.append(data, static_cast<std::size_t>(size));
    if (FGathered.size() >= kGatheredBytes)
        WriteGathered();
    return FFailure ? -1 : size;
}

void ReplacementDevice::WriteGathered()
{
    try {
        FReplacement->Write(FGathered);
    } catch (const EFileError& error) {
        FFailure = error;
    }
    FGathered.clear();
}

void ReplacementDevice::Check() const
{
    if (FFailure)
        throw CannotWrite(*FFailure);
}

void ReplacementDevice::Commit()
{
    if (!FFailure)
        WriteGathered();
    Check();
    close();
    try {
        ThrowIfInterrupted(); // the replacement's end removes the temporary file
        FReplacement->Commit();
    } catch (const EFileError& error) {
        throw CannotWrite(error);
    }
}

} // namespace quillon::cli
