// Fault helpers: giving up root, so that file modes bind a helper program as they bind any user.
#pragma once

#include <grp.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <unistd.h>

namespace quillon::faults {

inline constexpr uid_t kNobodyUser = 65534;
inline constexpr gid_t kNobodyGroup = 65534;

// Root passes every permission check, so a helper gives up root before it touches the files.
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

} // namespace quillon::faults
