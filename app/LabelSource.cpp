// The label source: the rows of a list or a serial run, its sentences, and its part of the window.
#include "app/LabelSource.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <charconv>

#include "app/Catalogues.h"
#include "app/DeckControls.h"
#include "app/LabelStatus.h"
#include "barcode/Exception.h"
#include "data/SafeFile.h"
#include "label/compose/StandardParts.h"

namespace quillon {

namespace {

// By TSourcePhrase, translated by the "Source" catalogue; %n is the count that picks a plural form.
constexpr std::array<const char*, static_cast<std::size_t>(TSourcePhrase::kSourcePhraseCount)> kPhrases{{
    QT_TRANSLATE_NOOP("Source", "Row %1 of %2"),
    QT_TRANSLATE_NOOP("Source", "No rows"),
    QT_TRANSLATE_NOOP("Source", "Line %1: %2"),
    QT_TRANSLATE_NOOP("Source", "Number %1: %2"),
    QT_TRANSLATE_N_NOOP("Source", "%1 of %n rows cannot be printed and are left out; they are listed beside "
                                  "the preview.\n\nPrint the other %2?"),
    QT_TRANSLATE_N_NOOP(
        "Source", "Nothing to print: none of the %n rows can be printed; they are listed beside the preview"),
    QT_TRANSLATE_N_NOOP("Source", "%n labels would be cut off by their cells: %1"),
    QT_TRANSLATE_N_NOOP("Source", " (and %n more)"),
    QT_TRANSLATE_NOOP("Source", "Composing the labels..."),
    QT_TRANSLATE_NOOP("Source", "Checking that every label scans..."),
    QT_TRANSLATE_NOOP("Source", "Cancel"),
    QT_TRANSLATE_NOOP("Source", "The list is empty: paste codes into it or open a file"),
    QT_TRANSLATE_NOOP("Source", "The rows make %1 labels, more than the %2 one print from the window takes: "
                                "print them in parts, or with quillon-cli sheet --codes"),
    QT_TRANSLATE_NOOP("Source", "The list %1 cannot be opened: %2"),
    QT_TRANSLATE_N_NOOP("Source", "... and %n more rows"),
    QT_TRANSLATE_NOOP("Source", "%1 prints as %2"),
    QT_TRANSLATE_N_NOOP("Source", "%n rows print another number than typed: %1\n\nPrint them as they are?"),
    QT_TRANSLATE_NOOP("Source", "The columns of %1"),
    QT_TRANSLATE_NOOP("Source", "The first row names the columns"),
    QT_TRANSLATE_NOOP("Source", "Code"),
    QT_TRANSLATE_NOOP("Source", "Upper caption"),
    QT_TRANSLATE_NOOP("Source", "Lower caption"),
    QT_TRANSLATE_NOOP("Source", "Copies"),
    QT_TRANSLATE_NOOP("Source", "Ignore"),
    QT_TRANSLATE_NOOP("Source", "Checking the rows: %1 of %2"),
    QT_TRANSLATE_N_NOOP("Source", "All %n rows print as they should"),
    QT_TRANSLATE_N_NOOP("Source", "%1 of %n rows will not print as typed"),
    QT_TRANSLATE_NOOP("Source", "Export the rows listed"),
    QT_TRANSLATE_NOOP("Source", "The rows could not be exported: %1"),
    QT_TRANSLATE_NOOP("Source", "The list %1 opened last is not there any more, so it is not opened again"),
}};
static_assert(kPhrases.back() != nullptr, "every phrase has its row");

// The place of each control in the panel, left, top, width, height in pixels.
constexpr QRect kListEdPlace(0, 0, 300, 94);
constexpr QRect kOpenBtnPlace(0, 96, 80, 22);
constexpr QRect kColumnsBtnPlace(84, 96, 90, 22);
constexpr QRect kPagePlace(0, 0, 300, 118);
constexpr int kFieldColumn2 = 116; // the serial fields' second column
constexpr int kFieldWidth = 110;
constexpr int kFieldRowStep = 38; // a caption of 13 pixels over a field of 21, and a gap
constexpr QRect kPrevRowPlace(0, 120, 24, 20);
constexpr QRect kRowLabelPlace(26, 122, 248, 16);
constexpr QRect kNextRowPlace(276, 120, 24, 20);
constexpr QRect kCheckStatePlace(0, 143, 212, 16);
constexpr QRect kExportBtnPlace(216, 141, 84, 20);
constexpr QRect kProblemListPlace(0, 163, 300, 45);

constexpr limits::TRange kSerialCount{.Min = 1, .Max = static_cast<int>(kMaxListRows), .Initial = 100};
constexpr limits::TRange kSerialWidth{.Min = 1, .Max = kMaxSerialWidth, .Initial = 1};
const QColor kCaptionGround(255, 0, 255); // the fuchsia the deck's captions stand on

constexpr std::string_view kNulMessage = " is not a text file: line ";

// The offset of the first byte that breaks UTF-8 (RFC 3629: no overlong forms, no surrogates, nothing
// past U+10FFFF); none for valid text.
std::optional<std::size_t> FirstNonUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
        } else
            return i;
        if (i + static_cast<std::size_t>(length) > bytes.size())
            return i;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return i;
        }
        i += static_cast<std::size_t>(length);
    }
    return std::nullopt;
}

std::size_t LineAt(std::string_view bytes, std::size_t offset)
{
    return 1 + static_cast<std::size_t>(
                   std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

std::uint64_t SerialNumber(const QString& text, const char* field)
{
    const std::string digits = text.trimmed().toStdString();
    std::uint64_t value = 0;
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, value);
    if (digits.empty() || digits.size() > static_cast<std::size_t>(kMaxSerialWidth) || error != std::errc() ||
        end != last)
        throw Exception(std::string(field) + ": '" + digits + "' is not a whole number of up to " +
                        std::to_string(kMaxSerialWidth) + " digits");
    return value;
}

QLabel* FieldCaption(QWidget* parent, int left, int top)
{
    auto* label = new QLabel(parent);
    label->setGeometry(left, top, kFieldWidth, 13);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kCaptionGround);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

template <typename Field> Field* Placed(Field* field, int left, int top)
{
    field->setGeometry(left, top + 14, kFieldWidth, 21);
    return field;
}

} // namespace

TLabelRows TLabelRows::OfList(std::vector<TListRow> rows)
{
    TLabelRows labels;
    labels.FList = std::move(rows);
    return labels;
}

TLabelRows TLabelRows::OfSerial(const TSerialRun& run)
{
    TLabelRows labels;
    labels.FSerial = run;
    return labels;
}

std::size_t TLabelRows::Count() const
{
    return FSerial ? static_cast<std::size_t>(FSerial->Count) : FList.size();
}

TListRow TLabelRows::Row(std::size_t index) const
{
    if (!FSerial)
        return FList.at(index);
    return {.Line = index + 1, .Code = SerialCode(*FSerial, index)};
}

std::uint64_t TLabelRows::Labels() const
{
    if (FSerial)
        return FSerial->Count;
    std::uint64_t labels = 0;
    for (const TListRow& row : FList)
        if (row.Problem.Empty())
            labels += static_cast<std::uint64_t>(row.Copies);
    return labels;
}

TReadList ReadListBytes(const std::string& bytes, const std::string& name, const TListColumns& columns)
{
    TReadList list;
    constexpr std::size_t kFirstBytes = 4096; // the first line decides, and a header is short
    const TListFormat format =
        DetectListFormat(name, std::string_view(bytes).substr(0, kFirstBytes), columns);
    TListReader reader(format, name, columns);
    const TListRowSink keep = [&list](TListRow&& row) { list.Rows.push_back(std::move(row)); };
    try {
        reader.Add(bytes, keep);
        reader.Finish(keep);
    } catch (const std::exception& e) {
        list.Stopped = e.what(); // the rows before it are still printed
    }
    list.HasHeader = reader.HasHeader();
    return list;
}

bool FirstRowIsHeader(std::string_view bytes, const TListColumns& columns)
{
    TListReader reader(TListFormat::Csv, {}, columns);
    const TListRowSink ignore = [](TListRow&&) {};
    try {
        reader.Add(bytes.substr(0, bytes.find('\n')), ignore);
        reader.Finish(ignore);
    } catch (const std::exception&) {
        return false; // no text: the reading tells
    }
    return reader.HasHeader();
}

std::string ReadListFile(const QString& path)
{
    const std::string bytes = ReadRegularFile(QFile::encodeName(path).toStdString(), kMaxListFileBytes);
    std::string name = "'";
    name += ToUtf8(path);
    name += "'";
    if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos)
        throw Exception(name + std::string(kNulMessage) + std::to_string(LineAt(bytes, nul)) +
                        " holds a NUL byte");
    if (const std::optional<std::size_t> bad = FirstNonUtf8(bytes))
        throw Exception(name + " is not UTF-8 text: line " + std::to_string(LineAt(bytes, *bad)) +
                        " holds bytes that are not UTF-8");
    return bytes;
}

TSerialRun SerialRunOf(const TSerialFields& fields)
{
    const TSerialRun run{.Start = SerialNumber(fields.Start, "Start"),
                         .Step = SerialNumber(fields.Step, "Step"),
                         .Count = static_cast<std::uint64_t>(std::max(0, fields.Count)),
                         .Prefix = ToUtf8(fields.Prefix),
                         .Suffix = ToUtf8(fields.Suffix),
                         .Width = fields.Width};
    CheckSerialRun(run);
    return run;
}

QString SourceText(TSourcePhrase phrase, TLanguage language, int count)
{
    return Translated("Source", kPhrases.at(static_cast<std::size_t>(phrase)), language, count);
}

QString ChangeText(const TTypedChange& change, TLanguage language)
{
    const auto text = [](const std::string& bytes) {
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    };
    return SourceText(TSourcePhrase::PrintsOther, language).arg(text(change.Typed), text(change.Printed));
}

TLabelSourcePanel::TLabelSourcePanel(QWidget* parent) : QWidget(parent)
{
    ListPage = new QWidget(this);
    ListPage->setGeometry(kPagePlace);
    ListEd = new QPlainTextEdit(ListPage);
    ListEd->setGeometry(kListEdPlace);
    ListEd->setLineWrapMode(QPlainTextEdit::NoWrap);
    OpenBtn = new QPushButton(ListPage);
    OpenBtn->setGeometry(kOpenBtnPlace);
    ColumnsBtn = new QPushButton(ListPage);
    ColumnsBtn->setGeometry(kColumnsBtnPlace);

    SerialPage = new QWidget(this);
    SerialPage->setGeometry(kPagePlace);
    const auto digits = [](QWidget* parent) {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,18}")), edit));
        return edit;
    };
    lbSerialStart = FieldCaption(SerialPage, 0, 0);
    SerialStartEd = Placed(digits(SerialPage), 0, 0);
    SerialStartEd->setText(QStringLiteral("1"));
    lbSerialStep = FieldCaption(SerialPage, kFieldColumn2, 0);
    SerialStepEd = Placed(digits(SerialPage), kFieldColumn2, 0);
    SerialStepEd->setText(QStringLiteral("1"));
    lbSerialCount = FieldCaption(SerialPage, 0, kFieldRowStep);
    SerialCountSpn = Placed(new TSpinEdit(kSerialCount, TSpinEntry::Typed, SerialPage), 0, kFieldRowStep);
    lbSerialWidth = FieldCaption(SerialPage, kFieldColumn2, kFieldRowStep);
    SerialWidthSpn =
        Placed(new TSpinEdit(kSerialWidth, TSpinEntry::Typed, SerialPage), kFieldColumn2, kFieldRowStep);
    lbSerialPrefix = FieldCaption(SerialPage, 0, 2 * kFieldRowStep);
    SerialPrefixEd = Placed(new QLineEdit(SerialPage), 0, 2 * kFieldRowStep);
    lbSerialSuffix = FieldCaption(SerialPage, kFieldColumn2, 2 * kFieldRowStep);
    SerialSuffixEd = Placed(new QLineEdit(SerialPage), kFieldColumn2, 2 * kFieldRowStep);
    for (QLineEdit* edit : {SerialPrefixEd, SerialSuffixEd})
        edit->setMaxLength(static_cast<int>(kMaxListRowBytes) / 4); // a code stays within a list row

    PrevRowBtn = new QToolButton(this);
    PrevRowBtn->setGeometry(kPrevRowPlace);
    PrevRowBtn->setArrowType(Qt::LeftArrow);
    RowLabel = new QLabel(this);
    RowLabel->setGeometry(kRowLabelPlace);
    RowLabel->setAlignment(Qt::AlignCenter);
    QPalette palette = RowLabel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    RowLabel->setPalette(palette);
    RowLabel->setAutoFillBackground(true);
    NextRowBtn = new QToolButton(this);
    NextRowBtn->setGeometry(kNextRowPlace);
    NextRowBtn->setArrowType(Qt::RightArrow);
    CheckState = new QLabel(this);
    CheckState->setGeometry(kCheckStatePlace);
    CheckState->hide();
    ExportBtn = new QPushButton(this);
    ExportBtn->setGeometry(kExportBtnPlace);
    ExportBtn->hide();
    ProblemList = new QListWidget(this);
    ProblemList->setGeometry(kProblemListPlace);
    ProblemList->hide();
    ShowSource(TLabelSource::OneLabel);
}

void TLabelSourcePanel::ShowSource(TLabelSource source)
{
    ListPage->setVisible(source == TLabelSource::List);
    SerialPage->setVisible(source == TLabelSource::Serial);
    setVisible(source != TLabelSource::OneLabel);
}

TSerialFields TLabelSourcePanel::SerialFields() const
{
    return {.Start = SerialStartEd->text(),
            .Step = SerialStepEd->text(),
            .Count = SerialCountSpn->value(),
            .Prefix = SerialPrefixEd->text(),
            .Suffix = SerialSuffixEd->text(),
            .Width = SerialWidthSpn->value()};
}

void TLabelSourcePanel::ShowRow(std::size_t index, std::size_t count, TLanguage language)
{
    RowLabel->setText(count == 0 ? SourceText(TSourcePhrase::NoRows, language)
                                 : SourceText(TSourcePhrase::RowOf, language)
                                       .arg(QString::number(index + 1), QString::number(count)));
    PrevRowBtn->setEnabled(count > 0 && index > 0);
    NextRowBtn->setEnabled(index + 1 < count);
}

void TLabelSourcePanel::ShowProblems(const QStringList& lines)
{
    ProblemList->clear();
    ProblemList->addItems(lines);
    for (int i = 0; i < ProblemList->count(); ++i)
        ProblemList->item(i)->setToolTip(lines[i]); // the whole reason, however narrow the list
    ProblemList->setVisible(!lines.isEmpty());
    ExportBtn->setVisible(!lines.isEmpty());
}

} // namespace quillon
