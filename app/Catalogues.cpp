#include "app/Catalogues.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <map>
#include <mutex>

namespace quillon {
namespace {

QLocale LocaleOf(TLanguage language)
{
    return language == TLanguage::Arabic ? QLocale(QLocale::Arabic) : QLocale(QLocale::English);
}

struct TOwnCatalogues {
    std::mutex Lock;
    QString Folder = QStringLiteral(":/i18n"); // built into the program
    std::map<TLanguage, std::unique_ptr<QTranslator>> Read;
};

TOwnCatalogues& Own()
{
    static TOwnCatalogues catalogues;
    return catalogues;
}

QString CatalogueName(TLanguage language)
{
    return "quillon_" + LocaleOf(language).name().left(2);
}

// A language's own catalogue, read once; null when it cannot be read.
const QTranslator* OwnCatalogue(TLanguage language)
{
    TOwnCatalogues& own = Own();
    const std::scoped_lock guard(own.Lock);
    const auto found = own.Read.find(language);
    if (found != own.Read.end())
        return found->second.get();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(CatalogueName(language), own.Folder))
        translator.reset();
    return (own.Read[language] = std::move(translator)).get();
}

} // namespace

QString Translated(const char* context, std::string_view source, TLanguage language, int count)
{
    const QString english = FromUtf8(source);
    const bool plural = count >= 0;
    // English reads its own catalogue only for the plural forms it holds.
    const QTranslator* catalogue =
        language != TLanguage::English || plural ? OwnCatalogue(language) : nullptr;
    QString text = catalogue != nullptr
                       ? catalogue->translate(context, english.toUtf8().constData(), nullptr, count)
                       : QString();
    if (text.isEmpty())
        text = english;
    return plural ? text.replace(QStringLiteral("%n"), QString::number(count)) : text;
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
    for (std::unique_ptr<QTranslator>* installed : {&FQt, &FOwn})
        if (*installed) {
            QCoreApplication::removeTranslator(installed->get());
            installed->reset();
        }
    if (language == TLanguage::English)
        return true; // Qt's own words are English
    // Ours too, for the print preview, which speaks through tr().
    auto own = std::make_unique<QTranslator>();
    if (own->load(CatalogueName(language), Own().Folder)) {
        QCoreApplication::installTranslator(own.get());
        FOwn = std::move(own);
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(LocaleOf(language), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    FQt = std::move(translator);
    return true;
}

} // namespace quillon
