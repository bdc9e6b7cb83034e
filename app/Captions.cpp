// The control deck's captions in Arabic and English.
#include "app/Captions.h"

#include "app/Catalogues.h"

namespace quillon {

TLanguage LanguageOfIndex(int selectedIndex, std::optional<TLanguage> other)
{
    switch (selectedIndex) {
    case 0: return TLanguage::Arabic;
    case 1: return TLanguage::English;
    default: return other.value_or(TLanguage::English);
    }
}

QString CaptionText(const CaptionPair& pair, TLanguage language)
{
    return Translated("Captions", pair.English, language);
}

std::array<ControlCaption, SwitchedCaptionCount> CaptionsFor(TLanguage language)
{
    std::array<ControlCaption, SwitchedCaptionCount> captions;
    captions[0] = {.Control = DesBtnCaptions.Control, .Text = CaptionText(DesBtnCaptions, language)};
    captions[1] = {.Control = AboutBtnCaptions.Control, .Text = CaptionText(AboutBtnCaptions, language)};
    for (std::size_t row = 0; row < VList.size(); ++row)
        captions[2 + row] = {.Control = VList[row].Control, .Text = CaptionText(VList[row], language)};
    return captions;
}

} // namespace quillon
