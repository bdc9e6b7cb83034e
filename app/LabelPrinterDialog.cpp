#include "app/LabelPrinterDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <chrono>

#include "app/Catalogues.h"
#include "app/LabelStatus.h"

namespace quillon {

namespace {

constexpr auto kPhrases = std::to_array<const char*>({
    QT_TRANSLATE_N_NOOP("LabelPrinter", "The whole job, %n labels, was handed over to %1."),
    QT_TRANSLATE_NOOP("LabelPrinter",
                      "Nothing was sent to %1: the label of line %2 (%3) would not print as it should: %4"),
    QT_TRANSLATE_NOOP("LabelPrinter",
                      "Nothing was sent to %1: the label %2 would not print as it should: %3"),
    QT_TRANSLATE_NOOP("LabelPrinter", "Nothing was sent to %1: %2"),
    QT_TRANSLATE_NOOP("LabelPrinter", "Name the label printer: a CUPS queue, an ipp:// address, or HOST:PORT "
                                      "of its raw port."),
    QT_TRANSLATE_NOOP("LabelPrinter",
                      "%1 is a raw port, which takes ZPL: choose ZPL, or a CUPS queue for PDF."),
    QT_TRANSLATE_NOOP("LabelPrinter", "Nothing was sent: there is no printer %1 (%2)."),
    QT_TRANSLATE_NOOP("LabelPrinter", "Nothing was sent: the printer %1 cannot be reached (%2)."),
    QT_TRANSLATE_N_NOOP("LabelPrinter", "Nothing was sent: the printer %1 did not answer within %n seconds."),
    QT_TRANSLATE_NOOP("LabelPrinter", "Nothing was sent: the printer %1 refused the job (%2)."),
    QT_TRANSLATE_NOOP("LabelPrinter",
                      "The job was not handed over whole: the printer %1 stopped taking it (%2). "
                      "Some labels may have printed."),
    QT_TRANSLATE_NOOP("LabelPrinter",
                      "The printer %1 took only part of the job (%2), and the job was cancelled."),
    QT_TRANSLATE_NOOP("LabelPrinter", "A job is still being sent to %1."),
    QT_TRANSLATE_NOOP("LabelPrinter", "Choose the roll or the tape the label printer prints on."),
});
static_assert(kPhrases.size() == static_cast<std::size_t>(TLabelPrinterPhrase::kLabelPrinterPhraseCount),
              "one wording per phrase");

// The dialog's texts, by the object name of what shows them.
struct TDialogText {
    const char* Control;
    const char* English;
};
constexpr std::array<TDialogText, 8> kDialogTexts{{
    {"LabelPrinterDialog", QT_TRANSLATE_NOOP("LabelPrinter", "Label printer")},
    {"lbPrinter", QT_TRANSLATE_NOOP("LabelPrinter", "Printer")},
    {"lbSpeaks", QT_TRANSLATE_NOOP("LabelPrinter", "Language")},
    {"lbDpi", QT_TRANSLATE_NOOP("LabelPrinter", "Resolution")},
    {"lbStock", QT_TRANSLATE_NOOP("LabelPrinter", "Roll")},
    {"lbHint", QT_TRANSLATE_NOOP("LabelPrinter", "A CUPS queue, an ipp:// address, or HOST:PORT of a network "
                                                 "printer's raw port (usually 9100).")},
    {"SendBtn", QT_TRANSLATE_NOOP("LabelPrinter", "Send")},
    {"Cancel", QT_TRANSLATE_NOOP("LabelPrinter", "Cancel")},
}};
// The entries of the language list, by TPrinterSpeaks, and of the resolution list.
constexpr const char* kSpeaksTexts[] = {
    QT_TRANSLATE_NOOP("LabelPrinter", "ZPL (Zebra and compatible printers)"),
    QT_TRANSLATE_NOOP("LabelPrinter", "PDF through the printer's driver"),
};
constexpr const char* kDpiText = QT_TRANSLATE_NOOP("LabelPrinter", "%1 dpi");
constexpr const char* kSheetNoteText = QT_TRANSLATE_NOOP(
    "LabelPrinter",
    "The sheet is laid out on %1, a sheet of labels. A label printer prints one label a page, on a "
    "roll: choose the roll.");

QString Words(const char* english, TLanguage language)
{
    return Translated("LabelPrinter", english, language);
}

QLabel* FieldLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QComboBox* ListBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QString RefusalText(const TLabelJobOutcome& outcome, const QString& printer, TLanguage language)
{
    const QString why = MessageText(outcome.Reason, language);
    if (!outcome.Row)
        return LabelPrinterText(TLabelPrinterPhrase::RefusedJob, language).arg(printer, why);
    const QString code = FromUtf8(outcome.Row->Code);
    if (outcome.Row->Line == 0)
        return LabelPrinterText(TLabelPrinterPhrase::RefusedLabel, language).arg(printer, code, why);
    return LabelPrinterText(TLabelPrinterPhrase::RefusedLine, language)
        .arg(printer, QString::number(outcome.Row->Line), code, why);
}

TLabelPrinterPhrase FaultPhrase(TSendFault fault)
{
    switch (fault) {
    case TSendFault::UnknownPrinter: return TLabelPrinterPhrase::UnknownPrinter;
    case TSendFault::NotReached: return TLabelPrinterPhrase::NotReached;
    case TSendFault::NoAnswer: return TLabelPrinterPhrase::NoAnswer;
    case TSendFault::NoJob:
    case TSendFault::Refused: return TLabelPrinterPhrase::PrinterRefused;
    case TSendFault::Incomplete: return TLabelPrinterPhrase::Incomplete;
    case TSendFault::Cancelled: return TLabelPrinterPhrase::Cancelled;
    }
    return TLabelPrinterPhrase::PrinterRefused;
}

} // namespace

QString LabelPrinterText(TLabelPrinterPhrase phrase, TLanguage language, int count)
{
    return Translated("LabelPrinter", kPhrases.at(static_cast<std::size_t>(phrase)), language, count);
}

QString LabelJobText(const TLabelJobOutcome& outcome, const QString& printer, TLanguage language)
{
    switch (outcome.Status) {
    case TLabelJobStatus::Sent:
        return LabelPrinterText(TLabelPrinterPhrase::Sent, language, static_cast<int>(outcome.Prints))
            .arg(printer);
    case TLabelJobStatus::Refused: return RefusalText(outcome, printer, language);
    case TLabelJobStatus::NotSent:
    case TLabelJobStatus::Incomplete: break;
    }
    const TSendFault fault = outcome.Fault.value_or(TSendFault::Refused);
    const QString named = outcome.Printer.empty() ? printer : FromUtf8(outcome.Printer);
    if (fault == TSendFault::NoAnswer) {
        const auto seconds = std::chrono::ceil<std::chrono::seconds>(outcome.Timeout).count();
        return LabelPrinterText(TLabelPrinterPhrase::NoAnswer, language, static_cast<int>(seconds))
            .arg(named);
    }
    return LabelPrinterText(FaultPhrase(fault), language).arg(named, FromUtf8(outcome.Detail));
}

TLabelPrinterDialog::TLabelPrinterDialog(const QStringList& printers, std::vector<TLabelStock> rolls,
                                         const TLabelPrinterChoice& shown,
                                         const std::optional<TLabelStock>& current, TLanguage language,
                                         QWidget* parent)
    : QDialog(parent), FRolls(std::move(rolls))
{
    setObjectName(QStringLiteral("LabelPrinterDialog"));
    BuildControls();
    PrinterBox->addItems(printers);
    for (const int dpi : kLabelPrinterDpis)
        DpiBox->addItem(Words(kDpiText, language).arg(dpi), dpi);
    for (const char* speaks : kSpeaksTexts)
        SpeaksBox->addItem(Words(speaks, language));
    for (const TLabelStock& roll : FRolls)
        StockBox->addItem(FromUtf8(roll.Id) + "  " + MessageText(StockListing(roll), language),
                          FromUtf8(roll.Id));
    ApplyLanguage(language, current);
    Show(shown, current);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TLabelPrinterDialog::BuildControls()
{
    auto* form = new QFormLayout;
    PrinterBox = ListBox(this, "PrinterBox");
    PrinterBox->setEditable(true);
    PrinterBox->setInsertPolicy(QComboBox::NoInsert);
    PrinterBox->lineEdit()->setLayoutDirection(Qt::LeftToRight); // names and addresses read left to right
    form->addRow(FieldLabel(this, "lbPrinter"), PrinterBox);
    QLabel* hint = FieldLabel(this, "lbHint");
    hint->setWordWrap(true);
    form->addRow(hint);
    SpeaksBox = ListBox(this, "SpeaksBox");
    form->addRow(FieldLabel(this, "lbSpeaks"), SpeaksBox);
    DpiBox = ListBox(this, "DpiBox");
    form->addRow(FieldLabel(this, "lbDpi"), DpiBox);
    StockBox = ListBox(this, "StockBox");
    form->addRow(FieldLabel(this, "lbStock"), StockBox);
    SheetNote = FieldLabel(this, "SheetNote");
    SheetNote->setWordWrap(true);
    form->addRow(SheetNote);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("SendBtn"));
    Buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Buttons);
    setMinimumWidth(420);
}

void TLabelPrinterDialog::ApplyLanguage(TLanguage language, const std::optional<TLabelStock>& current)
{
    setLayoutDirection(TextDirection(language));
    for (const TDialogText& text : kDialogTexts) {
        const QString name = QString::fromLatin1(text.Control);
        if (name == objectName())
            setWindowTitle(Words(text.English, language));
        else if (auto* label = findChild<QLabel*>(name))
            label->setText(Words(text.English, language));
        else if (auto* button = findChild<QPushButton*>(name))
            button->setText(Words(text.English, language));
    }
    const bool sheet = current && !IsRollStock(*current);
    SheetNote->setText(sheet ? Words(kSheetNoteText, language).arg(FromUtf8(current->Id)) : QString());
    SheetNote->setVisible(sheet);
}

// The roll kept last, else the window's own roll, else the first one listed.
void TLabelPrinterDialog::Show(const TLabelPrinterChoice& shown, const std::optional<TLabelStock>& current)
{
    PrinterBox->setEditText(FromUtf8(shown.Printer));
    SpeaksBox->setCurrentIndex(static_cast<int>(shown.Speaks));
    DpiBox->setCurrentIndex(std::max(0, DpiBox->findData(shown.Dpi)));
    const std::string wanted = !shown.StockId.empty()
                                   ? shown.StockId
                                   : (current && IsRollStock(*current) ? current->Id : std::string());
    int index = 0;
    for (std::size_t i = 0; i < FRolls.size(); ++i)
        if (SameStockId(FRolls[i].Id, wanted))
            index = static_cast<int>(i);
    StockBox->setCurrentIndex(FRolls.empty() ? -1 : index);
}

TLabelPrinterChoice TLabelPrinterDialog::Choice() const
{
    const int roll = StockBox->currentIndex();
    return {.Printer = PrinterBox->currentText().trimmed().toStdString(),
            .Speaks = static_cast<TPrinterSpeaks>(std::max(0, SpeaksBox->currentIndex())),
            .Dpi = DpiBox->currentData().toInt(),
            .StockId = roll >= 0 ? FRolls[static_cast<std::size_t>(roll)].Id : std::string()};
}

} // namespace quillon
