#include "app/FilePhrases.h"

#include <QFileDialog>
#include <array>
#include <cstddef>

#include "app/Catalogues.h"
#include "app/LabelStatus.h"

namespace quillon {
namespace {

// By TFilePhrase, translated by the "Files" catalogue.
constexpr std::array<const char*, static_cast<std::size_t>(TFilePhrase::kFilePhraseCount)> kPhrases{{
    QT_TRANSLATE_NOOP("Files", "Cannot create the data directory %1"),
    QT_TRANSLATE_NOOP("Files",
                      "The lock file %1 is %2, not a lock of this program: this window goes on without "
                      "taking the data folder, so a second window on it is not told. Remove it to mend "
                      "this."),
    QT_TRANSLATE_NOOP(
        "Files",
        "%1\n\nThe options file is left as it is, and the settings of this session are not saved in it."),
    QT_TRANSLATE_NOOP("Files", "%1\nIt could not be kept: %2"),
    QT_TRANSLATE_NOOP("Files",
                      "%1\n\nThe file is kept as %2; what could not be read takes the designed values, "
                      "and the options file is written anew."),
    QT_TRANSLATE_NOOP(
        "Files",
        "%1\n\nThe settings file is left as it is, and the settings of this session are not saved in "
        "it."),
    QT_TRANSLATE_NOOP("Files", "The settings file %1 holds what cannot be read:\n%2"),
    QT_TRANSLATE_NOOP("Files", "line %1: %2"),
    QT_TRANSLATE_NOOP("Files", "%1: %2 is not a colour (#RRGGBB or system:N)"),
    QT_TRANSLATE_NOOP("Files", "%1: %2 is neither %3 nor %4"),
    QT_TRANSLATE_NOOP("Files", "%1: %2 is none of %3"),
    QT_TRANSLATE_NOOP("Files", "%1: %2 is not %3 to %4 mm"),
    QT_TRANSLATE_NOOP("Files", "%1: %2 is not a size in millimetres"),
    QT_TRANSLATE_NOOP("Files", "%1: %2 is not 0 (automatic) to %3"),
    QT_TRANSLATE_NOOP("Files",
                      "%1\n\nIt could not be kept (%2), so the settings file is left as it is and this "
                      "session's settings are not saved in it."),
    QT_TRANSLATE_NOOP("Files",
                      "%1\n\nThe file is kept as %2; what could not be read keeps its designed value."),
    QT_TRANSLATE_NOOP("Files", "The options could not be saved: %1"),
    QT_TRANSLATE_NOOP("Files", "The settings could not be saved: %1"),
    QT_TRANSLATE_NOOP("Files",
                      "The label stock %1 kept in %2 is neither built in nor in %3 now: the sheet is laid "
                      "out by its margins (Custom) until it is found again or you choose another stock."),
    QT_TRANSLATE_NOOP("Files", "Label stocks that could not be read are left out of the list:\n%1"),
    QT_TRANSLATE_NOOP("Files", "Nothing to print: %1"),
    QT_TRANSLATE_NOOP("Files", "Label designs (*.qld);;All files (*)"),
    QT_TRANSLATE_NOOP("Files", "Lists (*.csv *.tsv *.txt);;All files (*)"),
}};

} // namespace

QString FileKindText(TFileKind kind, TLanguage language)
{
    return Translated(kMessageContext, KindText(kind), language);
}

QString ReasonText(const std::exception& error, TLanguage language)
{
    if (const auto* file = dynamic_cast<const EFileError*>(&error))
        return MessageText(file->Message(), language);
    if (const auto* message = dynamic_cast<const ELabelMessage*>(&error))
        return MessageText(message->Message(), language);
    return QString::fromUtf8(error.what());
}

QString FileText(TFilePhrase phrase, TLanguage language)
{
    return Translated("Files", kPhrases.at(static_cast<std::size_t>(phrase)), language);
}

QString ChooseFile(QWidget* parent, TFileChoice choice, const QString& title, const QString& start,
                   const QString& filter, TLanguage language)
{
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(choice == TFileChoice::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice == TFileChoice::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setLayoutDirection(TextDirection(language));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace quillon
