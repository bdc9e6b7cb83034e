// Fault tests: what the helper program and the tests share: the two versions of the options file it writes,
// and giving up root.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <grp.h>
#include <string>
#include <sys/prctl.h>
#include <sys/types.h>
#include <unistd.h>

#include "data/OptionsFile.h"

namespace quillon::faults {

enum class TVersion : std::uint8_t { Old, New };

// The versions differ in length and on every line, so that a cut file or a mix of the two shows.
// The new one is long enough for a save to take a while, so that kills land inside it, and still short
// enough to be read back as options.
inline QByteArray OptionsVersion(TVersion version)
{
    const bool isNew = version == TVersion::New;
    const TOptionsValues values{
        .TM = isNew ? 20 : 10,
        .RM = isNew ? 21 : 11,
        .BM = isNew ? 22 : 12,
        .LM = isNew ? 23 : 13,
        .CS = isNew ? 4 : 3,
        .UEd = isNew ? std::string(60 * 1024, 'N') : std::string("old caption"),
        .CSpn = isNew ? 4 : 2,
        .RSpn = isNew ? 20 : 3,
        .BarKindSp = isNew ? 13 : 9,
        .ColorBox1 = isNew ? 255 : -16777211,
        .ZomSpn = isNew ? 5 : 2,
        .RatioSpn = isNew ? 3 : 1,
        .LangRG = isNew ? 0 : 1,
        .StChk = isNew,
        .UChk = !isNew,
    };
    const std::string bytes = FormatOptions(values);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline constexpr uid_t kNobodyUser = 65534;
inline constexpr gid_t kNobodyGroup = 65534;

// Root passes every permission check, so the helper gives up root before it touches the files.
// A user without root runs as itself: its permissions already bind it.
inline bool DropToNobody()
{
    if (geteuid() != 0)
        return true;
    if (setgroups(0, nullptr) != 0 || setgid(kNobodyGroup) != 0 || setuid(kNobodyUser) != 0)
        return false;
    // Changing user makes the process undumpable, and LeakSanitizer must inspect it at exit.
    prctl(PR_SET_DUMPABLE, 1);
    return true;
}

// What fault_child prints when it could not give up root: the permission cases cannot run.
inline constexpr char kCannotDropPrivileges[] = "cannot drop privileges";
inline constexpr int kCannotDropPrivilegesExit = 3;

} // namespace quillon::faults
