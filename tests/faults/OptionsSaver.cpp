// options_saver FILE: saves the two options-file versions by turns until it is killed, so that a test
// can kill it at any moment of a save. Prints "saving" once the first save is done.
#include <cstdint>
#include <cstdio>
#include <exception>

#include "tests/faults/FaultVersions.h"

int main(int argc, char** argv)
{
    using namespace quillon;
    if (argc != 2) {
        std::fputs("usage: options_saver FILE\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray versions[] = {faults::OptionsVersion(faults::TVersion::New),
                                   faults::OptionsVersion(faults::TVersion::Old)};
    try {
        for (std::uint64_t round = 0;; ++round) {
            WriteOptionsFile(path, versions[round % 2]);
            if (round == 0) {
                std::puts("saving");
                std::fflush(stdout);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
