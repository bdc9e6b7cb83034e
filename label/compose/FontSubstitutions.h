// Font substitutions: the family names the window definitions use, mapped to installed faces.
#pragma once

namespace quillon {

// Maps "MS Sans Serif", "Arial", "Arial (Arabic)" and "Arabic Transparent" to DejaVu Sans (which
// covers Arabic) and the title face "Smudger LET" to DejaVu Serif. Registering again changes
// nothing.
void RegisterFontSubstitutions();

} // namespace quillon
