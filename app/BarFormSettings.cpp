// TBarForm: the settings file beside the options file, and writing both a moment after each change.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/DeckUndo.h"
#include "app/FilePhrases.h"
#include "data/OptionsFile.h"
#include "data/SafeFile.h"
#include "label/compose/StandardParts.h"
#include "label/compose/ZintSymbol.h"

namespace quillon {

namespace {

constexpr char kDamagedSuffix[] = ".bad";
// The print-true choices: the layout under its ready key, the check digit switch and the X-dimension.
constexpr TSettingKey kCheckDigitKey{.Section = "label", .Name = "check_digit"};
constexpr TSettingKey kXDimensionKey{.Section = "label", .Name = "x_dim_mm"};
// Where labels sit on a stock's labels: centre or top-left, and the inset in millimetres.
constexpr TSettingKey kAlignKey{.Section = "sheet", .Name = "align"};
constexpr TSettingKey kInsetKey{.Section = "sheet", .Name = "inset_mm"};
constexpr TSettingKey kOrderKey{.Section = "sheet", .Name = "order"};
constexpr TSettingKey kMarkKey{.Section = "label", .Name = "mark"};
constexpr TSettingKey kFooterKey{.Section = "sheet", .Name = "footer"};
// A language beyond the language group's two, by its catalogue's code ("fr"); the options file then keeps
// the group without a selection.
constexpr TSettingKey kLanguageKey{.Section = "window", .Name = "language"};
constexpr std::string_view kOrderNames[] = {"across", "down"};       // TCellOrder::AcrossRows, DownColumns
constexpr std::string_view kAlignNames[] = {"centre", "top-left"};   // TPictureAlign::Centre, TopLeft
constexpr std::string_view kLayoutNames[] = {"classic", "standard"}; // by TLabelLayout
// A custom sheet's paper, as the settings file names it.
struct TPaperName {
    TPaperSize Paper = TPaperSize::A4;
    std::string_view Name;
};
constexpr TPaperName kPaperNames[] = {{TPaperSize::A4, "a4"}, {TPaperSize::Letter, "letter"}};
constexpr char kSystemColorPrefix[] = "system:";
// QR Code's error correction levels by TQrErrorCorrection, as QrErrorCorrectionFromName reads them.
constexpr std::string_view kQrLevelLetters = "LMQH";

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// "#RRGGBB" for a plain colour, "system:N" for the desktop's system colour number N.
std::string FormatColor(TColor color)
{
    if ((color >> 24) != 0)
        return kSystemColorPrefix + std::to_string(color & 0xFF);
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF))
        .name(QColor::HexRgb)
        .toUpper()
        .toStdString();
}

std::optional<TColor> ParseColor(const std::string& text)
{
    if (text.starts_with(kSystemColorPrefix)) {
        bool ok = false;
        const int number = QString::fromStdString(text.substr(sizeof kSystemColorPrefix - 1)).toInt(&ok);
        return ok && number >= 0 && number <= 0xFF ? std::optional(SystemColor(number)) : std::nullopt;
    }
    const QColor color(QString::fromStdString(text));
    if (text.size() != 7 || text[0] != '#' || !color.isValid())
        return std::nullopt;
    return ToTColor(color);
}

std::optional<bool> ParseSwitch(const std::string& text)
{
    if (text == "1" || text == "true")
        return true;
    if (text == "0" || text == "false")
        return false;
    return std::nullopt;
}

std::optional<double> ParseMm(const std::string& text)
{
    bool ok = false;
    const double mm = QString::fromStdString(text).toDouble(&ok);
    return ok && std::isfinite(mm) ? std::optional(mm) : std::nullopt;
}

std::optional<int> ParseColumns(const std::string& text)
{
    bool ok = false;
    const int columns = QString::fromStdString(text).toInt(&ok);
    return ok && columns >= 0 && columns <= kMaxPdf417Columns ? std::optional(columns) : std::nullopt;
}

// "layout: wide is neither classic nor standard", in the window's language.
QString NeitherNor(TLanguage language, std::string_view key, std::string_view value, const char* one,
                   const char* other)
{
    return FileText(TFilePhrase::NeitherNor, language).arg(FromUtf8(key), FromUtf8(value), one, other);
}

std::string MmText(double mm)
{
    return QString::number(mm, 'f', 2).toStdString();
}

} // namespace

void TBarForm::LoadSettings()
{
    std::string bytes;
    try {
        bytes = ReadRegularFile(PathBytes(FSettingsPath), kSettingsFileLimit);
    } catch (const EFileError& e) {
        if (e.Fault() == TFileFault::NotFound)
            return; // nothing kept yet
        FWritesSettings = false;
        ReportError(FileText(TFilePhrase::SettingsLeft, Language()).arg(ReasonText(e, Language())));
        return;
    }
    TParsedSettings parsed = ParseSettings(bytes);
    FSettings = std::move(parsed.Settings);
    QStringList problems;
    for (const TSettingsProblem& problem : parsed.Problems)
        problems << FileText(TFilePhrase::SettingsLine, Language())
                        .arg(QString::number(problem.Line), MessageText(problem.What, Language()));
    problems << ApplySettings();
    if (!problems.isEmpty())
        KeepDamagedSettings(bytes, FileText(TFilePhrase::SettingsUnreadable, Language())
                                       .arg(PathForMessage(FSettingsPath), problems.join('\n')));
}

// Each value reaches its control as a user's change would; a value that cannot be taken is named.
QStringList TBarForm::ApplySettings()
{
    QStringList problems;
    if (const auto code = FSettings.Value(kLanguageKey); code && LangIndex() < 0)
        if (const std::optional<TLanguage> language = LanguageOfCode(*code))
            ChooseLanguage(*language); // a code this version lacks is kept, and the window speaks English
    if (const auto code = FSettings.Value(settingkeys::Code))
        BarEd->setText(FromUtf8(*code));
    if (const auto lower = FSettings.Value(settingkeys::LowerCaption))
        DEd->setText(FromUtf8(*lower));
    if (const auto color = FSettings.Value(settingkeys::BarColor)) {
        if (const std::optional<TColor> parsed = ParseColor(*color))
            ColorBox1->SetSelected(*parsed); // reaches the barcode when the deck is applied
        else
            problems << FileText(TFilePhrase::NotColour, Language()).arg("bar_color", FromUtf8(*color));
    }
    if (const auto layout = FSettings.Value(settingkeys::Layout)) {
        if (*layout == kLayoutNames[1] || *layout == kLayoutNames[0])
            LayoutChk->setChecked(*layout == kLayoutNames[1]);
        else
            problems << NeitherNor(Language(), "layout", *layout, "classic", "standard");
    }
    for (const auto& [key, box] :
         {std::pair(settingkeys::LowerCaptionOn, DChk), std::pair(kCheckDigitKey, CheckDigitChk)}) {
        const auto value = FSettings.Value(key);
        if (const std::optional<bool> checked = value ? ParseSwitch(*value) : std::nullopt)
            box->setChecked(*checked);
        else if (value)
            problems << NeitherNor(Language(), key.Name, *value, "1", "0");
    }
    if (const auto paper = FSettings.Value(settingkeys::Paper)) {
        const auto named = std::find_if(std::begin(kPaperNames), std::end(kPaperNames),
                                        [&paper](const TPaperName& entry) { return entry.Name == *paper; });
        if (named != std::end(kPaperNames))
            FPaper = named->Paper;
        else
            problems << NeitherNor(Language(), "paper", *paper, "a4", "letter");
    }
    if (const auto align = FSettings.Value(kAlignKey)) {
        if (*align == kAlignNames[0] || *align == kAlignNames[1])
            FPlacing.Align = *align == kAlignNames[0] ? TPictureAlign::Centre : TPictureAlign::TopLeft;
        else
            problems << NeitherNor(Language(), "align", *align, "centre", "top-left");
    }
    if (const auto inset = FSettings.Value(kInsetKey)) {
        const std::optional<double> mm = ParseMm(*inset);
        if (mm && *mm >= 0.0 && *mm <= kMaxInsetMm)
            FPlacing.InsetMm = *mm;
        else
            problems << FileText(TFilePhrase::NotMmRange, Language())
                            .arg("inset_mm", FromUtf8(*inset), QStringLiteral("0"),
                                 QString::number(kMaxInsetMm));
    }
    if (const auto order = FSettings.Value(kOrderKey)) {
        if (*order == kOrderNames[0] || *order == kOrderNames[1])
            FOrder = *order == kOrderNames[0] ? TCellOrder::AcrossRows : TCellOrder::DownColumns;
        else
            problems << NeitherNor(Language(), "order", *order, "across", "down");
    }
    for (const auto& [key, on] : {std::pair(kMarkKey, &FMarkOn), std::pair(kFooterKey, &FFooterOn)}) {
        const auto value = FSettings.Value(key);
        if (const std::optional<bool> checked = value ? ParseSwitch(*value) : std::nullopt)
            *on = *checked;
        else if (value)
            problems << NeitherNor(Language(), key.Name, *value, "1", "0");
    }
    if (const auto stock = FSettings.Value(settingkeys::Stock))
        UseSavedStock(*stock);
    ShowSheetChoice(); // confirming the design at start-up applies it
    std::vector<TLabelMessage> calibrationProblems;
    *FCalibrations = ReadCalibrations(FSettings, calibrationProblems);
    for (const TLabelMessage& problem : calibrationProblems)
        problems << MessageText(problem, Language());
    // Kept inside the range of the kind the deck shows once the deck is applied.
    for (const auto& [key, matrix] :
         {std::pair(kXDimensionKey, false), std::pair(settingkeys::MatrixModuleMm, true)}) {
        if (const auto mm = FSettings.Value(key)) {
            const std::optional<double> parsed = ParseMm(*mm);
            if (parsed && *parsed > 0)
                SetModuleMm(matrix, *parsed);
            else
                problems << FileText(TFilePhrase::NotMm, Language()).arg(FromUtf8(key.Name), FromUtf8(*mm));
        }
    }
    problems << ApplySymbolSettings();
    problems << ApplySourceSettings();
    return problems;
}

QStringList TBarForm::ApplySymbolSettings()
{
    QStringList problems;
    if (const auto ecc = FSettings.Value(settingkeys::QrErrorCorrection)) {
        if (const std::optional<TQrErrorCorrection> level = QrErrorCorrectionFromName(*ecc))
            EccBox->setCurrentIndex(static_cast<int>(*level));
        else
            problems << FileText(TFilePhrase::NoneOf, Language()).arg("qr_ecc", FromUtf8(*ecc), "L, M, Q, H");
    }
    if (const auto shape = FSettings.Value(settingkeys::DataMatrixShape)) {
        if (const std::optional<TDataMatrixShape> parsed = DataMatrixShapeFromName(*shape))
            ShapeBox->setCurrentIndex(static_cast<int>(*parsed));
        else
            problems << NeitherNor(Language(), "dm_shape", *shape, "square", "rect");
    }
    if (const auto columns = FSettings.Value(settingkeys::Pdf417Columns)) {
        if (const std::optional<int> parsed = ParseColumns(*columns))
            ColumnsSpn->setValue(*parsed);
        else
            problems << FileText(TFilePhrase::NotColumns, Language())
                            .arg("pdf417_columns", FromUtf8(*columns), QString::number(kMaxPdf417Columns));
    }
    return problems;
}

// The file as it was is kept under another name before the normal form replaces it.
void TBarForm::KeepDamagedSettings(const std::string& bytes, const QString& reason)
{
    if (!WritesSettings()) {
        ReportError(reason);
        return;
    }
    QString kept;
    try { // never over a copy kept before: the first damage may be the one worth having
        kept = QFile::decodeName(QByteArray::fromStdString(
            WriteNewFile(PathBytes(FSettingsPath + QString::fromLatin1(kDamagedSuffix)), bytes)));
    } catch (const std::exception& e) {
        FWritesSettings = false;
        ReportError(
            FileText(TFilePhrase::SettingsNotKept, Language()).arg(reason, ReasonText(e, Language())));
        return;
    }
    FSettingsDirty = true;
    ReportError(FileText(TFilePhrase::SettingsKept, Language()).arg(reason, PathForMessage(kept)));
}

void TBarForm::SaveSettings()
{
    if (!WritesSettings())
        return;
    FSettings.Set(settingkeys::Code, ToUtf8(BarEd->text()));
    FSettings.Set(settingkeys::LowerCaption, ToUtf8(DEd->text()));
    FSettings.Set(settingkeys::LowerCaptionOn, DChk->isChecked() ? "1" : "0");
    FSettings.Set(settingkeys::BarColor, FormatColor(ColorBox1->Selected()));
    FSettings.Set(settingkeys::Layout, std::string(kLayoutNames[static_cast<int>(LabelLayout())]));
    FSettings.Set(kCheckDigitKey, CheckDigitChk->isChecked() ? "1" : "0");
    FSettings.Set(kXDimensionKey, MmText(ModuleMm(false)));
    FSettings.Set(settingkeys::MatrixModuleMm, MmText(ModuleMm(true)));
    const TSymbolOptions options = SymbolOptions();
    FSettings.Set(settingkeys::QrErrorCorrection,
                  std::string(1, kQrLevelLetters[static_cast<std::size_t>(options.QrErrorCorrection)]));
    FSettings.Set(settingkeys::DataMatrixShape,
                  options.DataMatrixShape == TDataMatrixShape::Rectangular ? "rect" : "square");
    FSettings.Set(settingkeys::Pdf417Columns, std::to_string(options.Pdf417Columns));
    FSettings.Set(settingkeys::Stock, FStock ? FStock->Id : FMissingStockId.value_or(kCustomStockId));
    FSettings.Set(settingkeys::Paper, std::string(kPaperNames[FPaper == TPaperSize::Letter ? 1 : 0].Name));
    FSettings.Set(kAlignKey, std::string(kAlignNames[FPlacing.Align == TPictureAlign::Centre ? 0 : 1]));
    FSettings.Set(kInsetKey, QString::number(FPlacing.InsetMm, 'f', 1).toStdString());
    FSettings.Set(kOrderKey, std::string(kOrderNames[FOrder == TCellOrder::AcrossRows ? 0 : 1]));
    FSettings.Set(kMarkKey, FMarkOn ? "1" : "0");
    FSettings.Set(kFooterKey, FFooterOn ? "1" : "0");
    if (LangIndex() >= 0)
        FSettings.Remove(kLanguageKey);
    else if (FOtherLanguage)
        FSettings.Set(kLanguageKey, std::string(LanguageCode(*FOtherLanguage)));
    SaveSourceSettings();
    WriteCalibrations(FSettings, *FCalibrations);
    WriteSettingsFile(PathBytes(FSettingsPath), FSettings);
    FSettingsDirty = false;
}

// Changes during start-up are the files' own values coming back: only the user's later ones count.
void TBarForm::ScheduleSave()
{
    if (FDeckUndo != nullptr)
        FDeckUndo->Changed(); // every change the files keep may be a step of the deck
    if (!FStarted || FReadOnly)
        return;
    FSettingsDirty = true;
    FSaveTimer->start(); // restarts: a burst of keystrokes is written once, kSaveDelayMs after the last
}

QStringList TBarForm::SaveOptionsAndSettings(TSettingsWrite settings)
{
    FSaveTimer->stop();
    QStringList problems;
    try {
        SaveOptions();
    } catch (const std::exception& e) {
        problems << FileText(TFilePhrase::OptionsNotSaved, Language()).arg(ReasonText(e, Language()));
    }
    try {
        if (settings == TSettingsWrite::Always || FSettingsDirty)
            SaveSettings();
    } catch (const std::exception& e) {
        problems << FileText(TFilePhrase::SettingsNotSaved, Language()).arg(ReasonText(e, Language()));
    }
    return problems;
}

void TBarForm::SaveChanges()
{
    const QStringList problems = SaveOptionsAndSettings(TSettingsWrite::Always);
    // A full disk would otherwise ask at every keystroke: the same trouble is told once.
    const QString message = problems.join('\n');
    if (!message.isEmpty() && message != FLastSaveError)
        ReportError(message);
    FLastSaveError = message;
}

} // namespace quillon
