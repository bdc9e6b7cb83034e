#include "app/Catalogues.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <array>
#include <map>
#include <mutex>

namespace quillon {
namespace {

// A language by its catalogue's code and its own name for itself, as a reader of it looks for it.
struct TLanguageEntry {
    std::string_view Code;
    std::string_view Name; // UTF-8
};

// The languages the window speaks: Arabic and English first, as the language group shows them. A language
// more is its catalogue, translations/quillon_<code>.ts, and one line here.
constexpr std::array<TLanguageEntry, 3> kLanguages{{
    {"ar", "\u0627\u0644\u0639\u0631\u0628\u064a\u0629"}, // in Arabic
    {"en", "English"},                                    // the source language
    {"fr", "Fran\u00e7ais"},
}};
static_assert(kLanguages[TLanguage::Arabic.Index].Code == "ar" &&
              kLanguages[TLanguage::English.Index].Code == "en");

QString CodeOf(TLanguage language)
{
    return QString::fromLatin1(kLanguages.at(language.Index).Code.data(),
                               static_cast<qsizetype>(kLanguages.at(language.Index).Code.size()));
}

QLocale LocaleOf(TLanguage language)
{
    return QLocale(CodeOf(language));
}

struct TOwnCatalogues {
    std::mutex Lock;
    QString Folder = QStringLiteral(":/i18n"); // built into the program
    // Shared with the application while installed, so that a new folder never takes one from under it.
    std::map<TLanguage, std::shared_ptr<QTranslator>> Read;
};

TOwnCatalogues& Own()
{
    static TOwnCatalogues catalogues;
    return catalogues;
}

QString CatalogueName(TLanguage language)
{
    return "quillon_" + CodeOf(language);
}

// A language's own catalogue, read once; null when it cannot be read.
std::shared_ptr<QTranslator> OwnCatalogue(TLanguage language)
{
    TOwnCatalogues& own = Own();
    const std::scoped_lock guard(own.Lock);
    const auto found = own.Read.find(language);
    if (found != own.Read.end())
        return found->second;
    auto translator = std::make_shared<QTranslator>();
    if (!translator->load(CatalogueName(language), own.Folder))
        translator.reset();
    return own.Read[language] = std::move(translator);
}

} // namespace

QString Translated(const char* context, std::string_view source, TLanguage language, int count)
{
    const QString english = FromUtf8(source);
    const bool plural = count >= 0;
    // English reads its own catalogue only for the plural forms it holds.
    const std::shared_ptr<const QTranslator> catalogue =
        language != TLanguage::English || plural ? OwnCatalogue(language) : nullptr;
    QString text = catalogue != nullptr
                       ? catalogue->translate(context, english.toUtf8().constData(), nullptr, count)
                       : QString();
    if (text.isEmpty())
        text = english;
    return plural ? text.replace(QStringLiteral("%n"), QString::number(count)) : text;
}

std::vector<TLanguage> Languages()
{
    std::vector<TLanguage> languages;
    for (std::size_t i = 0; i < kLanguages.size(); ++i)
        languages.push_back(TLanguage{static_cast<std::uint8_t>(i)});
    return languages;
}

std::string_view LanguageCode(TLanguage language)
{
    return kLanguages.at(language.Index).Code;
}

std::optional<TLanguage> LanguageOfCode(std::string_view code)
{
    for (std::size_t i = 0; i < kLanguages.size(); ++i)
        if (kLanguages[i].Code == code)
            return TLanguage{static_cast<std::uint8_t>(i)};
    return std::nullopt;
}

QString LanguageName(TLanguage language)
{
    return FromUtf8(kLanguages.at(language.Index).Name);
}

Qt::LayoutDirection TextDirection(TLanguage language)
{
    return LocaleOf(language).textDirection();
}

void SetCatalogueFolder(const QString& folder)
{
    TOwnCatalogues& own = Own();
    const std::scoped_lock guard(own.Lock);
    own.Folder = folder;
    own.Read.clear();
}

std::optional<QString> UnreadableCatalogue(TLanguage language)
{
    if (language == TLanguage::English || OwnCatalogue(language) != nullptr)
        return std::nullopt;
    return CatalogueName(language) + ".qm";
}

bool TCatalogues::Use(TLanguage language)
{
    if (FLanguage == language)
        return FQt != nullptr || language == TLanguage::English;
    FLanguage = language;
    for (QTranslator* installed : {FQt.get(), FOwn.get()})
        if (installed != nullptr)
            QCoreApplication::removeTranslator(installed);
    FQt.reset();
    FOwn.reset();
    if (language == TLanguage::English)
        return true; // Qt's own words are English
    // Ours too, for the print preview, which speaks through tr().
    if ((FOwn = OwnCatalogue(language)))
        QCoreApplication::installTranslator(FOwn.get());
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(LocaleOf(language), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    FQt = std::move(translator);
    return true;
}

} // namespace quillon
