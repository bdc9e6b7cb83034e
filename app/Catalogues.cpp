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

// A language's own catalogue, read once from the program's resources; null when it cannot be read.
const QTranslator* OwnCatalogue(TLanguage language)
{
    static std::mutex lock;
    static std::map<TLanguage, std::unique_ptr<QTranslator>> read;
    const std::scoped_lock guard(lock);
    const auto found = read.find(language);
    if (found != read.end())
        return found->second.get();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load("quillon_" + LocaleOf(language).name().left(2), ":/i18n"))
        translator.reset();
    return (read[language] = std::move(translator)).get();
}

} // namespace

QString Translated(const char* context, std::string_view source, TLanguage language)
{
    const QString english = FromUtf8(source);
    if (language == TLanguage::English)
        return english;
    const QTranslator* catalogue = OwnCatalogue(language);
    if (catalogue == nullptr)
        return english;
    const QString text = catalogue->translate(context, english.toUtf8().constData());
    return text.isEmpty() ? english : text;
}

bool TCatalogues::Use(TLanguage language)
{
    if (FLanguage == language)
        return FQt != nullptr || language == TLanguage::English;
    FLanguage = language;
    if (FQt) {
        QCoreApplication::removeTranslator(FQt.get());
        FQt.reset();
    }
    if (language == TLanguage::English)
        return true; // Qt's own words are English
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(LocaleOf(language), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    FQt = std::move(translator);
    return true;
}

} // namespace quillon
