// The window's words in the user's language: its own catalogues (translations/quillon_<language>.ts,
// built into the program) and Qt's, which Debian ships (qt6-translations-l10n) for the print preview,
// the file and colour dialogs and the message boxes' buttons. English is the source language.
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "app/Captions.h"

namespace quillon {

// `source` (UTF-8, as marked for the catalogue in `context`) in `language`; the source itself for English,
// and for a word the catalogue lacks or a catalogue that cannot be read. A source marked with a plural
// (%n) takes `count`'s form in the language, English's own included.
QString Translated(const char* context, std::string_view source, TLanguage language, int count = -1);

// Every language the window speaks, Arabic and English first; a language's catalogue code ("fr") and the
// language of a code, none for a code the table lacks; its name in itself ("Français").
std::vector<TLanguage> Languages();
std::string_view LanguageCode(TLanguage language);
std::optional<TLanguage> LanguageOfCode(std::string_view code);
QString LanguageName(TLanguage language);

// Right to left for Arabic: the direction of the window's dialogs and message boxes (the deck keeps its
// designed layout in every language).
Qt::LayoutDirection TextDirection(TLanguage language);

// The catalogue file of `language` when it cannot be read (missing or damaged): the window then speaks
// English. English, the source language, needs none.
std::optional<QString> UnreadableCatalogue(TLanguage language);

// Where the window's own catalogues are read from: built into the program; a test points elsewhere.
void SetCatalogueFolder(const QString& folder);

// The catalogues installed for the whole application, for what Qt words itself.
class TCatalogues {
public:
    // Installs Qt's catalogue of `language` and ours, or takes them away for English. False when Qt's
    // cannot be loaded: Qt's words then stay English.
    bool Use(TLanguage language);

private:
    std::optional<TLanguage> FLanguage{};
    std::unique_ptr<QTranslator> FQt{};
    std::shared_ptr<QTranslator> FOwn{}; // the one Translated reads
};

} // namespace quillon
