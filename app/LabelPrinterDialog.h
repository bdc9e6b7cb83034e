// TLabelPrinterDialog: the label printer a roll is sent to (a CUPS queue, an ipp:// URI or a raw port),
// what it speaks, its resolution and the roll; and the window's sentences about a label printer's job.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/Captions.h"
#include "app/LabelPrinterJob.h"
#include "label/sheet/LabelStock.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;

namespace quillon {

enum class TLabelPrinterPhrase : std::uint8_t {
    Sent,           // %n prints, %1 the printer
    RefusedLine,    // %1 the printer, %2 the line, %3 the code, %4 why
    RefusedLabel,   // %1 the printer, %2 the code, %3 why
    RefusedJob,     // %1 the printer, %2 why
    NoPrinter,      // no printer named
    RawTakesZpl,    // %1 the printer
    UnknownPrinter, // %1 the printer, %2 the reason
    NotReached,     // %1 the printer, %2 the reason
    NoAnswer,       // %n the seconds, %1 the printer
    PrinterRefused, // %1 the printer, %2 the reason
    Incomplete,     // %1 the printer, %2 the reason
    Cancelled,      // %1 the printer, %2 the reason
    Busy,           // %1 the printer
    NoRoll,         // no roll chosen
    kLabelPrinterPhraseCount
};

QString LabelPrinterText(TLabelPrinterPhrase phrase, TLanguage language, int count = -1);

// What became of a job, in the user's language; `printer` as the user named it.
QString LabelJobText(const TLabelJobOutcome& outcome, const QString& printer, TLanguage language);
// Whether the outcome is the whole job handed over.
inline bool HandedOver(const TLabelJobOutcome& outcome)
{
    return outcome.Status == TLabelJobStatus::Sent;
}

class TLabelPrinterDialog : public QDialog {
public:
    // printers: the CUPS queues found; rolls: the roll and tape stocks to offer; shown: the choice kept
    // last; current: the stock the window lays its sheet out by, none for a custom sheet.
    TLabelPrinterDialog(const QStringList& printers, std::vector<TLabelStock> rolls,
                        const TLabelPrinterChoice& shown, const std::optional<TLabelStock>& current,
                        TLanguage language, QWidget* parent = nullptr);

    QComboBox* PrinterBox = nullptr; // editable: a queue, an ipp:// URI or HOST:PORT
    QComboBox* SpeaksBox = nullptr;  // by TPrinterSpeaks
    QComboBox* DpiBox = nullptr;     // by kLabelPrinterDpis
    QComboBox* StockBox = nullptr;   // the rolls, by their IDs
    QLabel* SheetNote = nullptr;     // shown when the window's stock is a sheet
    QDialogButtonBox* Buttons = nullptr;

    TLabelPrinterChoice Choice() const;

private:
    void BuildControls();
    void ApplyLanguage(TLanguage language, const std::optional<TLabelStock>& current);
    void Show(const TLabelPrinterChoice& shown, const std::optional<TLabelStock>& current);

    std::vector<TLabelStock> FRolls;
};

} // namespace quillon
