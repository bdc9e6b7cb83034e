#include "OutputFile.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "Codes.h"
#include "Interrupt.h"

namespace quillon::cli {

OutputError CannotWrite(const std::string& path, const std::string& reason)
{
    return OutputError("cannot write '" + path + "': " + reason);
}

OutputError CannotWrite(const EFileError& error)
{
    return CannotWrite(error.Path(), EnglishText(RefusalReason(error)));
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

int OpenOutputDirectory(const std::string& path)
{
    try {
        CheckFolderLinks(path); // before anything is made at the end of a planted link
        std::error_code error;
        std::filesystem::create_directories(path, error);
        if (error)
            throw OutputError("cannot make the directory '" + path + "': " + error.message());
        CheckFolderLinks(path);
    } catch (const EFileError& error) {
        throw CannotWrite(error);
    }
    const int descriptor = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        throw OutputError("cannot write into '" + path + "': " + ErrnoText(errno));
    return descriptor;
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
