// A writer fault planted under quillon-cli for its tests: linked with --wrap=compress2, this stands
// between the PDF writer and zlib and changes a page's content stream (the one that begins by placing
// the page with "a b c d e f cm") before it is compressed, as a faulty writer would have written it.
// QUILLON_PLANTED_FAULT says which fault:
//   scale         the page's scale 0.1 % too large, every bar drifting off the printer's dots;
//   record:FILE   nothing changed, the page's content kept in FILE;
//   replay:FILE   the page's content replaced by the one kept in FILE, another label's drawing.
// Without it the program is quillon-cli itself.
#include <zlib.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

extern "C" int __real_compress2(Bytef* dest, uLongf* destLen, const Bytef* source, uLong sourceLen,
                                int level);
extern "C" int __wrap_compress2(Bytef* dest, uLongf* destLen, const Bytef* source, uLong sourceLen,
                                int level);

namespace {

constexpr double kScaleFault = 1.001;

// The six numbers of the content's first line when it is "a b c d e f cm", the page's placement.
bool PagePlacement(std::string_view content, std::array<double, 6>& matrix, std::size_t& lineEnd)
{
    lineEnd = content.find('\n');
    if (lineEnd == std::string_view::npos || !content.substr(0, lineEnd).ends_with(" cm"))
        return false;
    std::istringstream line{std::string(content.substr(0, lineEnd - 3))};
    for (double& value : matrix)
        if (!(line >> value))
            return false;
    std::string rest;
    return !(line >> rest);
}

std::string Scaled(std::string_view content, std::array<double, 6> matrix, std::size_t lineEnd)
{
    matrix[0] *= kScaleFault;
    matrix[3] *= kScaleFault;
    std::string placed;
    for (const double value : matrix) {
        std::array<char, 32> text{};
        std::snprintf(text.data(), text.size(), "%.10g ", value);
        placed += text.data();
    }
    return placed + "cm" + std::string(content.substr(lineEnd));
}

} // namespace

extern "C" int __wrap_compress2(Bytef* dest, uLongf* destLen, const Bytef* source, uLong sourceLen, int level)
{
    const char* fault = std::getenv("QUILLON_PLANTED_FAULT");
    const std::string_view content(reinterpret_cast<const char*>(source), sourceLen);
    std::array<double, 6> matrix{};
    std::size_t lineEnd = 0;
    if (fault == nullptr || !PagePlacement(content, matrix, lineEnd))
        return __real_compress2(dest, destLen, source, sourceLen, level);

    const std::string_view plan(fault);
    std::string changed;
    if (plan == "scale") {
        changed = Scaled(content, matrix, lineEnd);
    } else if (plan.starts_with("record:")) {
        std::ofstream(std::string(plan.substr(7)), std::ios::binary) << content;
        return __real_compress2(dest, destLen, source, sourceLen, level);
    } else if (plan.starts_with("replay:")) {
        std::ifstream kept(std::string(plan.substr(7)), std::ios::binary);
        changed.assign(std::istreambuf_iterator<char>(kept), std::istreambuf_iterator<char>());
    } else {
        return __real_compress2(dest, destLen, source, sourceLen, level);
    }
    // dest was sized for the content given; a page's text compresses to far less than that.
    return __real_compress2(dest, destLen, reinterpret_cast<const Bytef*>(changed.data()),
                            static_cast<uLong>(changed.size()), level);
}
