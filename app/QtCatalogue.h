// Qt's own words in the window's language: the print preview, the file and colour dialogs and the
// message boxes' buttons come from Qt, whose catalogues Debian ships (qt6-translations-l10n).
#pragma once

#include <QTranslator>
#include <memory>
#include <optional>

#include "app/Captions.h"

namespace quillon {

class TQtCatalogue {
public:
    // Installs Qt's catalogue of `language` for the whole application, or takes it away for English.
    // False when the catalogue cannot be loaded: Qt's words then stay English.
    bool Use(TLanguage language);

private:
    std::optional<TLanguage> FLanguage{};
    std::unique_ptr<QTranslator> FTranslator{};
};

} // namespace quillon
