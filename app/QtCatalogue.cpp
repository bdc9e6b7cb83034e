#include "app/QtCatalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace quillon {

bool TQtCatalogue::Use(TLanguage language)
{
    if (FLanguage == language)
        return FTranslator != nullptr || language == TLanguage::English;
    FLanguage = language;
    if (FTranslator) {
        QCoreApplication::removeTranslator(FTranslator.get());
        FTranslator.reset();
    }
    if (language == TLanguage::English)
        return true; // Qt's own words are English
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Arabic), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    FTranslator = std::move(translator);
    return true;
}

} // namespace quillon
