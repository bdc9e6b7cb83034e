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
    // clang-format off
    const TOptionsValues values = version == TVersion::New
        ? TOptionsValues{.TM = 20, .RM = 21, .BM = 22, .LM = 23, .CS = 4, .UEd = std::string(60 * 1024, 'N'),
                         .CSpn = 4, .RSpn = 20, .BarKindSp = 13, .ColorBox1 = 255, .ZomSpn = 5, .RatioSpn = 3,
                         .LangRG = 0, .StChk = true, .UChk = false}
        : TOptionsValues{.TM = 10, .RM = 11, .BM = 12, .LM = 13, .CS = 3, .UEd = "old caption", .CSpn = 2,
                         .RSpn = 3, .BarKindSp = 9, .ColorBox1 = -16777211, .ZomSpn = 2, .RatioSpn = 1,
                         .LangRG = 1, .StChk = false, .UChk = true};
    // clang-format on
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
