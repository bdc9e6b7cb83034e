// TBarForm: the sheet design panel, the label stock and the start position, the print command and the
// options file.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "app/DesignPanel.h"
#include "app/FilePhrases.h"
#include "app/LabelStatus.h"
#include "data/OptionsFile.h"
#include "data/SafeFile.h"
#include "label/compose/StandardParts.h"
#include "label/proof/PrintCheck.h"
#include "label/render/LabelPainter.h"
#include "label/sheet/PrintBarForm.h"
#include "report/PrintPreview.h"

namespace quillon {

namespace {

// The print preview: the least it opens at, its frame beside the tool bar, and its gap to the window.
constexpr QSize kPreviewMinSize(640, 480);
constexpr int kPreviewFramePx = 40;
constexpr int kPreviewGapPx = 8;

QString LocalText(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string LocalBytes(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

void TBarForm::DesBtnClick()
{
    ShowSheetChoice();
    const TSheetSettings sheet = ShownSheet();
    DesBarPanel->LM->setValue(sheet.LeftMm);
    DesBarPanel->RM->setValue(sheet.RightMm);
    DesBarPanel->TM->setValue(sheet.TopMm);
    DesBarPanel->BM->setValue(sheet.BottomMm);
    DesBarPanel->CS->setValue(sheet.SpacingMm);
    BarImage->hide();
    DesBarPanel->show();
    UpdateColorKey();
}

void TBarForm::BitBtn1Click()
{
    // The design is applied even when the file cannot be written; the user is told why.
    try {
        TPageModel& page = FPrintForm.qr().Page();
        page.SetValueMm(TPageValue::LeftMargin, TDesignPanel::ShownValue(DesBarPanel->LM));
        page.SetValueMm(TPageValue::RightMargin, TDesignPanel::ShownValue(DesBarPanel->RM));
        page.SetValueMm(TPageValue::TopMargin, TDesignPanel::ShownValue(DesBarPanel->TM));
        page.SetValueMm(TPageValue::BottomMargin, TDesignPanel::ShownValue(DesBarPanel->BM));
        page.SetValueMm(TPageValue::ColumnSpace, TDesignPanel::ShownValue(DesBarPanel->CS));
        SaveOptions();
    } catch (const std::exception& e) {
        ReportError(ReasonText(e, Language()));
    }
    FPlacing = DesBarPanel->ChosenPlacing();
    FOrder = DesBarPanel->ChosenOrder();
    const bool markChanged = FMarkOn != DesBarPanel->MarkChk->isChecked();
    FMarkOn = DesBarPanel->MarkChk->isChecked();
    FFooterOn = DesBarPanel->FooterChk->isChecked();
    const TLabelStock* stock = DesBarPanel->ChosenStock();
    if (stock != nullptr)
        FMissingStockId.reset(); // a stock chosen replaces the saved one that could not be found
    UseStock(stock != nullptr ? std::optional(*stock) : std::nullopt);
    FPaper = DesBarPanel->CustomPaper();
    ScheduleSave(); // the stock and the paper are kept in the settings file
    ApplySheet();   // the rows fit between the new margins: every rows value fills one page
    if (markChanged)
        BarEdChange(); // the label drawn anew, with or without the mark
    DesBarPanel->hide();
    BarImage->show();
    UpdateColorKey();
}

void TBarForm::BitBtn3Click()
{
    DesBarPanel->hide();
    BarImage->show();
    UpdateColorKey();
}

TOptionsValues TBarForm::OptionsFromControls() const
{
    return {
        .TM = TDesignPanel::ShownValue(DesBarPanel->TM),
        .RM = TDesignPanel::ShownValue(DesBarPanel->RM),
        .BM = TDesignPanel::ShownValue(DesBarPanel->BM),
        .LM = TDesignPanel::ShownValue(DesBarPanel->LM),
        .CS = TDesignPanel::ShownValue(DesBarPanel->CS),
        .UEd = LocalBytes(UEd->text()),
        .CSpn = FStock ? FCustomGrid.Columns : CSpn->value(), // the options keep the custom sheet
        .RSpn = FStock ? FCustomGrid.Rows : RSpn->value(),
        .BarKindSp = KindIndex(),
        .ColorBox1 = static_cast<std::int32_t>(ColorBox1->ControlColor()),
        .ZomSpn = ZomSpn->value(),
        .RatioSpn = RatioSpn->value(),
        .LangRG = LangIndex(),
        .StChk = StChk->isChecked(),
        .UChk = UChk->isChecked(),
    };
}

// Each value reaches its control in file order, running the handler of each one that changes.
void TBarForm::ApplyOptions(const TOptionsValues& values)
{
    DesBarPanel->TM->setValue(values.TM);
    DesBarPanel->RM->setValue(values.RM);
    DesBarPanel->BM->setValue(values.BM);
    DesBarPanel->LM->setValue(values.LM);
    DesBarPanel->CS->setValue(values.CS);
    UEd->setText(LocalText(values.UEd));
    CSpn->setValue(values.CSpn);
    RSpn->setValue(values.RSpn);
    const bool listed = values.BarKindSp >= 0 && values.BarKindSp < BarKindSp->count();
    BarKindSp->setCurrentIndex(listed ? values.BarKindSp : -1);
    ColorBox1->SetControlColor(static_cast<TColor>(values.ColorBox1));
    ZomSpn->setValue(values.ZomSpn);
    RatioSpn->setValue(values.RatioSpn);
    SetLangIndex(std::clamp(values.LangRG, -1, 1));
    StChk->setChecked(values.StChk);
    UChk->setChecked(values.UChk);
}

void TBarForm::SaveOptions()
{
    if (!FWritesOptions)
        return;
    const std::string bytes = FormatOptions(OptionsFromControls());
    WriteOptionsFile(FOptionsPath, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void TBarForm::LoadOptions()
{
    // What the file cannot give takes the designed values: the deck's as it stands at start-up and the
    // report's margins and spacing, never the margin fields' 0.
    TOptionsValues values = OptionsFromControls();
    const TSheetSettings sheet = ShownSheet();
    values.TM = sheet.TopMm;
    values.RM = sheet.RightMm;
    values.BM = sheet.BottomMm;
    values.LM = sheet.LeftMm;
    values.CS = sheet.SpacingMm;
    QByteArray bytes;
    try {
        bytes = ReadOptionsFile(FOptionsPath);
    } catch (const std::exception& e) {
        const auto* fileError = dynamic_cast<const EFileError*>(&e);
        if (fileError == nullptr || fileError->Fault() != TFileFault::NotFound)
            LeaveOptionsFile(ReasonText(e, Language()));
        FinishLoading(values); // a first run writes these as the new file
        return;
    }
    try {
        TOptionsReader reader(bytes);
        ReadOptions(reader, values); // a bad number keeps the values read before it
    } catch (const std::exception& e) {
        KeepDamagedOptions(bytes, ReasonText(e, Language()) + ": " + PathForMessage(FOptionsPath));
    }
    FinishLoading(values);
}

// The options reach the controls, then the settings; then every value the deck shows is applied, and
// the design is confirmed, which rewrites the options file.
void TBarForm::FinishLoading(const TOptionsValues& values)
{
    ApplyOptions(values);
    LoadSettings();
    ApplyDeck();
    BitBtn1Click();
    ReopenLastList();
}

// The file is not touched again in this session, so nothing the user could still want is lost.
void TBarForm::LeaveOptionsFile(const QString& reason)
{
    FWritesOptions = false;
    ReportError(FileText(TFilePhrase::OptionsLeft, Language()).arg(reason));
}

// A file with a bad number is kept as it was under another name before the normal form replaces it.
void TBarForm::KeepDamagedOptions(const QByteArray& bytes, const QString& reason)
{
    if (FReadOnly) {
        LeaveOptionsFile(reason);
        return;
    }
    QString kept;
    try {
        kept = KeepDamagedOptionsFile(FOptionsPath, bytes);
    } catch (const std::exception& e) {
        LeaveOptionsFile(
            FileText(TFilePhrase::OptionsNotKept, Language()).arg(reason, ReasonText(e, Language())));
        return;
    }
    ReportError(FileText(TFilePhrase::OptionsKept, Language()).arg(reason, PathForMessage(kept)));
}

void TBarForm::SpeedButton1Click()
{
    // The command ends here on any failure and says why; nothing unwinds into Qt's signal emission.
    try {
        PrintSheet();
    } catch (const std::exception& e) {
        ReportError(ReasonText(e, Language()));
    }
}

void TBarForm::PrintSheet()
{
    if (Source() != TLabelSource::OneLabel) {
        PrintRows();
        return;
    }
    BarEdChange();
    const TComposedLabel& label = FPresenter.Label();
    if (label.Picture.isNull())
        throw Exception(ToUtf8(FileText(TFilePhrase::NothingToPrint, Language()).arg(PreviewStatus())));
    if (!label.Fit.Fits && !ConfirmPrintAnyway(PreviewStatus()))
        return;
    // A label that a scanner will not read is printed only when asked, as a cut one is.
    const bool unreadable = label.Scan && (label.Scan->Outcome == TScanOutcome::DoesNotScan ||
                                           label.Scan->Outcome == TScanOutcome::ReadsOther);
    if (label.Fit.Fits && unreadable && !ConfirmPrintAnyway(PreviewStatus()))
        return;
    const TSheetSettings sheet = FPresenter.Sheet();
    Table1.Open();
    // One label for each cell of the sheet that is still free: a partly used sheet is filled, not a
    // second one begun.
    Table1.ReplaceAllRows(label.Picture,
                          SheetCellCount(sheet) - sheet.SkipCells); // ends on the first new row
    std::vector<QImage> pictures;
    for (; !Table1.Eof(); Table1.Next())
        pictures.push_back(Table1.Graphic());
    const std::size_t rows = pictures.size();
    TPreparedReport prepared = FPresenter.PrepareSheet(static_cast<int>(rows));
    ShowPreview(PreviewContent(std::move(prepared), std::move(pictures), TSheetLabels(rows, label.Drawing),
                               std::vector<TScanExpectation>(rows, label.Expected), std::nullopt));
}

void TBarForm::ShowPreview(TPreviewContent content)
{
    content.SendToLabelPrinter = [this](QWidget* /*preview*/) { SendToLabelPrinter(); };
    if (FPreview != nullptr) { // one preview at a time: the open one shows the current sheet
        FPreview->Rebuild(std::move(content));
        FPreview->raise();
        FPreview->activateWindow();
        return;
    }
    FPreview = OpenPreview(std::move(content), this);
    PlacePreview(FPreview);
}

TPreviewContent TBarForm::PreviewContent(TPreparedReport sheet, std::vector<QImage> pictures,
                                         TSheetLabels labels, std::vector<TScanExpectation> readings,
                                         std::optional<TSheetVerification> verified) const
{
    auto shared = std::make_shared<const TSheetLabels>(std::move(labels));
    auto expected = std::make_shared<const std::vector<TScanExpectation>>(std::move(readings));
    auto report = std::make_shared<const TPreparedReport>(sheet);
    const TLanguage language = Language();
    return {
        .Report = std::move(sheet),
        .Pictures = std::move(pictures),
        .DrawerFor = [shared](int gridDpi) { return LabelDrawer(*shared, gridDpi); },
        .NoteFor = [shared, expected, report, verified = std::move(verified),
                    language](int gridDpi) -> TPreviewNote {
            try {
                const auto [text, good] = VerificationText(
                    verified && verified->Dpi == gridDpi ? *verified
                                                         : VerifySheet(*report, *shared, *expected, gridDpi),
                    language);
                return {.Text = text, .Good = good};
            } catch (const std::exception& e) { // the preview still shows and prints the sheet
                return {.Text = ReasonText(e, language), .Good = false};
            }
        },
        .CalibrationFor =
            [calibrations = FCalibrations](const QString& printer) {
                return CalibrationOf(*calibrations, printer.toStdString()); // as kept when it prints
            },
        .PaintPage = {},
    };
}

TSheetSettings TBarForm::ShownSheet() const
{
    return Presenter().Sheet();
}

void TBarForm::ApplySheet()
{
    FitStartRange();
    const QString refused = Presenter().ApplySheet(Language());
    if (!refused.isEmpty())
        ReportError(refused);
    BarEdChange(); // the cell the label must fit may have changed
}

void TBarForm::StartSpnChange()
{
    ApplySheet();
}

void TBarForm::FitStartRange()
{
    const QSignalBlocker quiet(StartSpn); // the sheet is applied with the value it keeps
    StartSpn->setMaximum(SheetCellCount(ShownSheet()));
}

void TBarForm::UseStock(std::optional<TLabelStock> stock)
{
    if (!FStock)
        FCustomGrid = {.Columns = CSpn->value(), .Rows = RSpn->value()};
    FStock = std::move(stock);
    const QSignalBlocker quietColumns(CSpn);
    const QSignalBlocker quietRows(RSpn);
    CSpn->setValue(FStock ? FStock->Geometry.Columns : FCustomGrid.Columns);
    RSpn->setValue(FStock ? FStock->Geometry.Rows : FCustomGrid.Rows);
    CSpn->setEnabled(!FStock);
    RSpn->setEnabled(!FStock);
}

void TBarForm::UseSavedStock(const std::string& id)
{
    if (SameStockId(id, kCustomStockId)) {
        UseStock(std::nullopt);
        return;
    }
    if (const std::optional<TLabelStock> stock = FStocks.Lookup(id)) {
        UseStock(*stock); // a roll of any size too, though it is not listed
        return;
    }
    UseStock(std::nullopt);
    // Kept in the settings until the user picks another sheet: a stocks.ini that cannot be read today may
    // be mended tomorrow, and the choice must still be there then.
    FMissingStockId = id;
    ReportError(FileText(TFilePhrase::StockGone, Language())
                    .arg(QString::fromStdString(id), PathForMessage(FSettingsPath),
                         QString::fromLatin1(kStocksFileName)));
}

void TBarForm::ShowSheetChoice()
{
    DesBarPanel->ChoosePlacing(FPlacing);
    DesBarPanel->ChooseOrder(FOrder);
    DesBarPanel->MarkChk->setChecked(FMarkOn);
    DesBarPanel->FooterChk->setChecked(FFooterOn);
    DesBarPanel->ChooseCustomPaper(FPaper);
    DesBarPanel->ChooseStock(FStock ? std::optional(FStock->Id) : std::nullopt);
    DesBarPanel->ShowGrid(CSpn->value(), RSpn->value(), StartSpn->value() - 1);
}

QStringList TBarForm::StockListings() const
{
    QStringList listings;
    for (const TLabelStock& stock : FStocks.Stocks())
        listings << MessageText(StockListing(stock), Language());
    return listings;
}

void TBarForm::LoadStocks()
{
    FStocks = LoadStockCatalogue(QFile::encodeName(FDataDirectory).toStdString());
    DesBarPanel->SetStocks(FStocks.Stocks(), StockListings());
    if (FStocks.Problems().empty())
        return;
    QStringList problems;
    for (const TLabelMessage& problem : FStocks.Problems())
        problems << MessageText(problem, Language());
    ReportError(FileText(TFilePhrase::StocksUnreadable, Language()).arg(problems.join('\n')));
}

// As large as its tool bar needs (so that its print action shows) and as the screen allows; beside the
// window where the screen has room, otherwise right of the print button or below it, never over it.
void TBarForm::PlacePreview(QWidget* preview) const
{
    const QRect screen = this->screen()->availableGeometry();
    int toolBarWidth = 0;
    for (const QToolBar* bar : preview->findChildren<QToolBar*>())
        toolBarWidth = std::max(toolBarWidth, bar->sizeHint().width());
    const QSize wanted = QSize(std::max(toolBarWidth + kPreviewFramePx, kPreviewMinSize.width()),
                               std::max(screen.height() * 4 / 5, kPreviewMinSize.height()))
                             .boundedTo(screen.size());
    const QRect window = frameGeometry();
    const QRect button(SpeedButton1->mapToGlobal(QPoint(0, 0)), SpeedButton1->size());
    const QRect candidates[] = {
        QRect(QPoint(window.right() + kPreviewGapPx, window.top()), wanted), // right of the window
        QRect(QPoint(window.left() - kPreviewGapPx - wanted.width(), window.top()), wanted), // left of it
        QRect(QPoint(button.right() + kPreviewGapPx, screen.top()), wanted),   // right of the button
        QRect(QPoint(screen.left(), button.bottom() + kPreviewGapPx), wanted), // below the button
    };
    // A place where the whole wanted size fits; else the largest clipped one still wide enough for the
    // tool bar; else the screen.
    QRect chosen = screen;
    int chosenArea = -1;
    for (const QRect& candidate : candidates) {
        if (screen.contains(candidate)) {
            chosen = candidate;
            break;
        }
        const QRect clipped = candidate.intersected(screen);
        const int area = clipped.width() * clipped.height();
        if (clipped.width() >= wanted.width() * 3 / 4 && clipped.width() > toolBarWidth &&
            area > chosenArea) {
            chosen = clipped;
            chosenArea = area;
        }
    }
    preview->resize(chosen.size());
    preview->move(chosen.topLeft());
}

} // namespace quillon
