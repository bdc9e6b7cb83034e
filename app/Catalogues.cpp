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
struct TOwnCatalogue {
    std::unique_ptr<QTranslator> Translator{};
    std::optional<QString> Problem{};
};

const TOwnCatalogue& OwnCatalogue(TLanguage language)
{
    static std::mutex lock;
    static std::map<TLanguage, TOwnCatalogue> read;
    const std::scoped_lock guard(lock);
    const auto found = read.find(language);
    if (found != read.end())
        return found->second;
    TOwnCatalogue& catalogue = read[language];
    auto translator = std::make_unique<QTranslator>();
    const QString name = "quillon_" + LocaleOf(language).name().left(2);
    if (translator->load(name, ":/i18n"))
        catalogue.Translator = std::move(translator);
    else
        catalogue.Problem = "The catalogue " + name + ".qm cannot be read: the window speaks English";
    return catalogue;
}

} // namespace

QString Translated(const char* context, std::string_view source, TLanguage language)
{
    const QString english = FromUtf8(source);
    if (language == TLanguage::English)
        return english;
    const TOwnCatalogue& catalogue = OwnCatalogue(language);
    if (!catalogue.Translator)
        return english;
    const QString text = catalogue.Translator->translate(context, english.toUtf8().constData());
    return text.isEmpty() ? english : text;
}

std::optional<QString> CatalogueProblem(TLanguage language)
{
    if (language == TLanguage::English)
        return std::nullopt;
    return OwnCatalogue(language).Problem;
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
