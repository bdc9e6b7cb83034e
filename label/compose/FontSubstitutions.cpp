// Font substitutions: the family names the window definitions use, mapped to installed faces.
#include "label/compose/FontSubstitutions.h"

#include <QFont>
#include <array>

namespace quillon {
namespace {

struct FontSubstitution {
    const char* Family = "";
    const char* Substitute = "";
};

// Faces from Debian's fonts-dejavu-core and fonts-dejavu-extra. DejaVu Sans carries the Arabic
// glyphs and Qt shapes them; the title asks for bold italic itself, which DejaVu Serif has.
constexpr std::array<FontSubstitution, 5> FontSubstitutions{{
    {.Family = "MS Sans Serif",
     .Substitute = "DejaVu Sans Condensed"},          // the window's own font: compact, as it was drawn for
    {.Family = "Arial", .Substitute = "DejaVu Sans"}, // credits
    {.Family = "Arial (Arabic)", .Substitute = "DejaVu Sans"},     // the programmer's name
    {.Family = "Arabic Transparent", .Substitute = "DejaVu Sans"}, // brand labels, footer
    {.Family = "Smudger LET", .Substitute = "DejaVu Serif"},       // the product title
}};

} // namespace

void RegisterFontSubstitutions()
{
    // Clearing first keeps ours the only (and so the first) substitute, however often this runs.
    for (const FontSubstitution& entry : FontSubstitutions) {
        QFont::removeSubstitutions(QString::fromLatin1(entry.Family));
        QFont::insertSubstitution(QString::fromLatin1(entry.Family), QString::fromLatin1(entry.Substitute));
    }
}

} // namespace quillon
