// TFuzzInput: reads a fuzzer's bytes front to back as fixed-width little-endian fields.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace quillon::fuzz {

// A broken invariant: say which, then stop right here so that libFuzzer keeps the input.
[[noreturn]] inline void Finding(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "fuzz finding: %s:%d: %s\n", file, line, what);
    __builtin_trap();
}

// The check and its place in the source, for the report of a finding.
#define FUZZ_REQUIRE(holds)                                                                                  \
    do {                                                                                                     \
        if (!(holds))                                                                                        \
            ::quillon::fuzz::Finding(#holds, __FILE__, __LINE__);                                            \
    } while (false)
#define FUZZ_FAIL(what) ::quillon::fuzz::Finding(what, __FILE__, __LINE__)

// Every field has a fixed width, so a seed file can be written field by field; bytes past the end of
// the input read as zero, so any input, even an empty one, is a complete setting.
class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}

    std::uint8_t Byte() { return Take<std::uint8_t>(); }
    std::int32_t I32() { return Take<std::int32_t>(); }
    std::int64_t I64() { return Take<std::int64_t>(); }
    // Any bit pattern, NaNs and infinities included.
    double Double() { return Take<double>(); }
    // Everything not read yet.
    std::string Rest()
    {
        std::string rest(reinterpret_cast<const char*>(FData) + FPos, FSize - FPos);
        FPos = FSize;
        return rest;
    }

private:
    template <class T> T Take()
    {
        static_assert(std::endian::native == std::endian::little, "seed files are little-endian");
        std::array<std::uint8_t, sizeof(T)> bytes{};
        for (std::uint8_t& b : bytes)
            if (FPos < FSize)
                b = FData[FPos++];
        T value{};
        std::memcpy(&value, bytes.data(), sizeof(T));
        return value;
    }

    const std::uint8_t* FData = nullptr;
    std::size_t FSize = 0;
    std::size_t FPos = 0;
};

} // namespace quillon::fuzz
