// The window's sentences about its own files (the options, the settings, the lock, the stocks) and about a
// print that cannot start, in the user's language. The file layer's own reasons are filled in as they are.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <exception>

#include "app/Captions.h"
#include "data/SafeFile.h"

namespace quillon {

enum class TFilePhrase : std::uint8_t {
    NoDataDirectory,    // %1 the folder
    StrangeLock,        // %1 the lock file, %2 what it is
    OptionsLeft,        // %1 the reason
    OptionsNotKept,     // %1 the reason, %2 why the copy failed
    OptionsKept,        // %1 the reason, %2 the copy
    SettingsLeft,       // %1 the reason
    SettingsUnreadable, // %1 the file, %2 its problems, one a line
    SettingsLine,       // %1 the line number, %2 its problem
    NotColour,          // %1 the key, %2 its value
    NeitherNor,         // %1 the key, %2 its value, %3 and %4 the two it may be
    NoneOf,             // %1 the key, %2 its value, %3 what it may be
    NotMmRange,         // %1 the key, %2 its value, %3 and %4 the range
    NotMm,              // %1 the key, %2 its value
    NotColumns,         // %1 the key, %2 its value, %3 the most
    SettingsNotKept,    // %1 the reason, %2 why the copy failed
    SettingsKept,       // %1 the reason, %2 the copy
    OptionsNotSaved,    // %1 why
    SettingsNotSaved,   // %1 why
    StockGone,          // %1 the stock, %2 the settings file, %3 stocks.ini
    StocksUnreadable,   // %1 the problems, one a line
    NothingToPrint,     // %1 why the preview is empty
    DesignFiles,        // the file dialogs' filters: label designs
    ListFiles,          // lists of codes
    kFilePhraseCount
};

QString FileText(TFilePhrase phrase, TLanguage language);

// What lies at a path ("a FIFO", "a directory") in the user's language.
QString FileKindText(TFileKind kind, TLanguage language);

// Why something failed, in the user's language: a file fault or a label message worded from its values;
// any other failure (a library's own text) as it was raised.
QString ReasonText(const std::exception& error, TLanguage language);

// A file chosen in a file dialog that runs in the language's direction; empty when cancelled. Save asks
// for a file to write (and confirms replacing one), Open for one to read.
enum class TFileChoice : std::uint8_t { Open, Save };
QString ChooseFile(QWidget* parent, TFileChoice choice, const QString& title, const QString& start,
                   const QString& filter, TLanguage language);

} // namespace quillon
