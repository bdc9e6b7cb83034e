// TBarForm: the main window. A frameless, always-on-top, colour-keyed window with the control deck,
// the live label preview, the corner logo and the About panel.
#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "app/BlinkTimer.h"
#include "app/CalibrationDialog.h"
#include "app/Captions.h"
#include "app/Catalogues.h"
#include "app/ColumnDialog.h"
#include "app/DeckPresenter.h"
#include "app/LabelPrinterJob.h"
#include "app/LabelRun.h"
#include "app/LabelSource.h"
#include "app/LabelStatus.h"
#include "app/ListCheck.h"
#include "app/PrinterCalibration.h"
#include "app/RowLabel.h"
#include "app/WindowDrag.h"
#include "barcode/Barcode.h"
#include "data/PictureTable.h"
#include "data/SettingsFile.h"
#include "label/compose/LabelComposer.h"
#include "label/compose/StandardLayout.h"
#include "label/compose/SymbolKinds.h"
#include "label/compose/ZintSymbol.h"
#include "label/proof/ScanCheck.h"
#include "label/sheet/LabelDesign.h"
#include "label/sheet/LabelStock.h"
#include "label/sheet/SheetRun.h"
#include "report/PrintPreview.h"

class QAbstractButton;
class QButtonGroup;
class QKeyEvent;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QLockFile;
class QMenu;
class QUndoStack;
class QPushButton;
class QProgressDialog;
class QRadioButton;
class QSlider;
class QToolButton;
class QVariantAnimation;

namespace quillon {

class TAboutPanel;
class TColorBox;
class TDeckUndo;
class TDesignPanel;
class TPanel;
class TPrintBarForm;
class TShape;
class TSpinEdit;
class TUpperCaseEdit;
struct TOptionsValues;
struct TSymbolExpectation;
struct TSymbolLabel;

// A print of a list or a serial run as it reached the preview: the sheet, the label of each data row
// and the source line it came from.
struct TPrintedRows {
    TPreparedReport Sheet{};
    TSheetLabels Labels{};
    std::vector<std::size_t> Lines{};
};

// What a window does when another one already works on the same data folder.
enum class TSecondWindow : std::uint8_t { ReadOnly, Quit };

class TBarForm : public QWidget {
public:
    // How long the window waits after a change before it writes the options and settings files, so
    // that a burst of keystrokes is one write.
    static constexpr int kSaveDelayMs = 300;
    // The longest code and lower caption, in UTF-16 units, that keep the settings file within its read
    // limit: a unit takes at most 3 bytes in UTF-8, and an escape at most 4 bytes for each of them.
    static constexpr int kMaxSettingsTextLength = 2048;
    // The settings file's name for a sheet laid out by its margins; no stock may take it.
    static constexpr char kCustomStockId[] = "custom";
    static_assert(2 * kMaxSettingsTextLength * 3 * 4 + 1024 <= static_cast<int>(kSettingsFileLimit));

    // dataDirectory holds the options file and the picture table; it is created when missing.
    TBarForm(TPrintBarForm& printForm, QString dataDirectory, QWidget* parent = nullptr);
    ~TBarForm() override;

    // Start-up, shut-down and the window itself.
    void FormShow();
    bool FormClose(); // false when the window must stay open
    void FormResize();
    void Timer1Timer();
    void TrackBar1Change();

    // Preview composition.
    void BarEdChange();
    void BarKindSpChange();
    void ZomSpnChange();
    void RatioSpnChange();
    void ApplyRatio();
    void ColorBox1Change();
    void UChkClick();
    void DChkClick();
    void CSpnChange();
    void RSpnChange();
    void StChkClick();
    void BCodeAngSpnChange();
    void LayoutChkClick();     // the classic or the standard layout
    void CheckDigitChkClick(); // Checksum: the kind's check digit worked out and added
    void XDimSpnChange();      // the standard layout's module in millimetres
    void SymbolOptionChange(); // QR Code's error correction, Data Matrix's shape, PDF417's columns
    // Applies every value the deck shows to the barcode, the preview and the print report, whether or
    // not it equals the control's initial value (the hidden angle excepted).
    void ApplyDeck();

    // Sheet design, printing and the options file.
    void DesBtnClick();
    void BitBtn1Click(); // applies the margins, the spacing, the label stock and the paper
    void BitBtn3Click();
    void StartSpnChange();      // "Start at label N": the first N - 1 cells of the first page stay empty
    void CalibrationBtnClick(); // the printers' corrections and the calibration page
    // The sheet as the print report lays it out now: the shown columns and rows, the applied margins
    // and spacing, the stock and paper, the start position.
    TSheetSettings ShownSheet() const;
    // The stocks the design panel offers: the built-in ones and those of stocks.ini.
    const TStockCatalogue& Stocks() const { return FStocks; }
    // The stock the sheet is laid out by; none for a custom sheet, laid out by the margins.
    const std::optional<TLabelStock>& Stock() const { return FStock; }
    // The correction kept for the printer of that name; none for one without.
    TCalibration PrinterCalibration(const QString& printer) const;
    TCalibrationDialog* OpenCalibrationDialog() const { return FCalibrationDialog; }
    // The printers to calibrate, the default one first; none when there is no printer. The installed
    // printers by default; tests put their own in.
    std::function<QStringList()> PrinterNames;
    void SpeedButton1Click();
    void SaveOptions(); // writes nothing while WritesOptions() is false
    void LoadOptions();
    // The settings file: the code, the lower caption and its switch, the bar colour, and what later
    // features keep there. Read at start-up; written with the options a moment after each change and
    // at close, never by a read-only window.
    void LoadSettings();
    void SaveSettings(); // writes nothing while WritesSettings() is false
    bool WritesSettings() const { return FWritesSettings && !FReadOnly; }
    const TSettings& Settings() const { return FSettings; }
    QString SettingsPath() const { return FSettingsPath; }
    // Writes the options and the settings now; what fails is reported once.
    void SaveChanges();
    // Writes the options, and the settings always or only when they changed; says what failed.
    enum class TSettingsWrite : std::uint8_t { Always, WhenChanged };
    QStringList SaveOptionsAndSettings(TSettingsWrite settings);
    TPreviewWindow* OpenPreviewWindow() const { return FPreview; }

    // False when the options file is left as it is for the rest of the session: it could not be read
    // (and not be kept as options.txt.bad), or it is not this user's to replace, or the window is
    // read-only.
    bool WritesOptions() const { return FWritesOptions; }
    // True when another window works on the same data folder and the user chose to go on: this one
    // writes neither the options file nor pict.db, and prints from a picture table in memory.
    bool ReadOnly() const { return FReadOnly; }

    // How a problem that must not stop the program is reported, whether to close although the options
    // could not be saved, and what to do when another window holds the data folder. Message boxes by
    // default; tests put their own in.
    std::function<void(const QString&)> ReportError;
    std::function<bool(const QString&)> ConfirmCloseAnyway;
    std::function<TSecondWindow(const QString&)> ChooseSecondWindow;
    // Whether to print a label that its cell would cut off (the message says why).
    std::function<bool(const QString&)> ConfirmPrintAnyway;
    // Whether to print the rows of a list or a run that can be, leaving out those that cannot (the
    // message says how many).
    std::function<bool(const QString&)> ConfirmLeftOut;
    // The list file to open; empty when the user chose none. A file dialog by default.
    std::function<QString()> ChooseListFile;
    // The mapping of a CSV list's columns the user chose; none when they cancelled. The column dialog
    // by default.
    std::function<std::optional<TListColumns>(const TColumnChoice&)> ChooseColumns;
    // The file the rows listed are exported to; empty when the user chose none. A file dialog by default.
    std::function<QString()> ChooseExportFile;

    // The label-printer destination, the print preview's "Label printer..." action: asks for the printer
    // (ChooseLabelPrinter, the label printer dialog by default; none when cancelled), keeps the choice in
    // the settings file, and makes, proves and sends the labels the print command would print, on a
    // thread of its own; ReportLabelJob then says whether the whole job was handed over (a message box
    // by default).
    void SendToLabelPrinter();
    bool SendingLabels() const;
    void WaitForLabelJob(); // until the job's outcome has been reported
    std::function<std::optional<TLabelPrinterChoice>(const TLabelPrinterChoice& shown)> ChooseLabelPrinter;
    std::function<void(const QString& message, bool handedOver)> ReportLabelJob;
    std::chrono::milliseconds LabelPrinterTimeout = kLabelPrinterTimeout; // to connect, and for each write

    // Where the labels come from: the code field, a list or a serial run.
    TLabelSource Source() const;
    void SourceBoxChange();
    void ListEdChange();  // read again a moment after the last keystroke
    void OpenListClick(); // asks for a list file and opens it
    // Reads a list file into the list box; false, with the reason told, when it cannot be read, and
    // the box keeps what it held. A file whose first row is a header of words the columns are not
    // named by, and that has no mapping kept, asks for its columns first (false when cancelled).
    bool OpenListFile(const QString& path);
    void ColumnsClick(); // maps the list's columns anew, kept for its file
    void ExportClick();  // asks for a file and writes the rows listed to it
    // The rows listed as CSV, "line,code,reason" and a row for each, through the safe file layer; false,
    // with the reason told, when the file cannot be written.
    bool ExportProblems(const QString& path);
    // The load check of the list's rows: under way, and waited for (tests and benchmarks).
    bool CheckingList() const;
    void WaitForListCheck();
    void SerialChange();
    void PrevRowClick();
    void NextRowClick();
    // The rows the source gives, and the one the preview shows, from 0.
    const TLabelRows& Rows() const { return *FRows; }
    std::size_t RowIndex() const { return FRowIndex; }
    // The rows that cannot be printed as the source panel lists them: "Line 7: no code".
    QStringList ProblemLines() const;
    // The print of a list or a run under way: its progress dialog shows once it takes half a second.
    bool Printing() const;
    QProgressDialog* PrintProgress() const;
    // Returns once the print under way has opened its preview or stopped (tests and benchmarks).
    void WaitForPrint();
    // The last print of a list or a run that reached the preview; nothing before one.
    const std::shared_ptr<const TPrintedRows>& PrintedRows() const { return FPrintedRows; }

    // Label designs: one file that holds everything that makes the sheet (label/sheet/LabelDesign.h).
    // The deck, the sheet and the source as a design; with TDesignList::Rows a list pasted or changed in
    // the list box carries its rows.
    enum class TDesignList : std::uint8_t { Source, Rows };
    TLabelDesign DesignFromControls(TDesignList list = TDesignList::Rows) const;
    // Sets every control as the design says, as the user would, and applies them. With TDesignList::Rows
    // the list box takes the design's list (its rows, or its file read again); `folder` places a relative
    // list file.
    void ApplyDesign(const TLabelDesign& design, TDesignList list, const QString& folder = {});
    // Opening and saving say what fails and change nothing then; both make the file the current design.
    bool OpenDesign(const QString& path);
    bool SaveDesign(const QString& path);
    void OpenDesignClick();   // Ctrl+O: asks for the file
    void SaveDesignClick();   // Ctrl+S: to the current design, or asks for a file when there is none
    void SaveDesignAsClick(); // asks for the file
    QString DesignPath() const { return FDesignPath; }
    // The designs opened or saved last, the latest first; kept in the settings file.
    QStringList RecentDesigns() const;
    // The files to open and to save to; empty when the user chose none. File dialogs by default.
    std::function<QString()> ChooseDesignToOpen;
    std::function<QString()> ChooseDesignToSave;
    // Undo and redo of the deck's changes (Ctrl+Z, Ctrl+Y), a design opened included. In the deck's own
    // fields too they undo the deck's steps, of which the keystrokes typed there are one; the list box
    // keeps its own undo for its text.
    void UndoClick();
    void RedoClick();
    QUndoStack* DeckUndoStack() const;

    // Language and About panel.
    void LangRGClick();
    void AboutBtnClick();
    void AboutOkClick();

    // The selected entry of the kind list; -1 while its text field holds text that names no entry.
    int KindIndex() const;
    // The chosen kind when it is one of the symbol kinds after the engine's 23; nothing otherwise.
    std::optional<TSymbolKind> SymbolKind() const;
    // The symbol options the deck shows, whichever kind is chosen.
    TSymbolOptions SymbolOptions() const;
    // The selected language item; -1 when none is selected.
    int LangIndex() const;
    void SetLangIndex(int index); // runs LangRGClick when the selection changes

    TBarcode& BCode() { return FBCode; }
    const QImage& LabelImage() const { return FPresenter.Label().Picture; }
    const TBlinkCounter& BlinkCounter() const { return FBlink; }
    // The fade to the working opacity that confirming the About panel starts.
    QVariantAnimation* FadeIn() const { return FFadeIn; }
    TLanguage Language() const { return LanguageOfIndex(LangIndex(), FOtherLanguage); }
    // Any language with a catalogue: Arabic and English select their item of the group; another leaves
    // the group without a selection (as the options file keeps it) and is kept in the settings file.
    void ChooseLanguage(TLanguage language);
    // The menu of every language, which a right click on the language group opens.
    QMenu* LanguageMenu();
    TLanguage StoredLanguage() const;
    // The note given when an X-dimension was raised to the kind's least ("Raised to 0.25 mm, ...").
    const QString& XDimNote() const { return FXDimNote; }
    void NoteRaisedXDim();
    // Why the preview is empty, or how its label scans, in the interface language.
    QString PreviewStatus() const;
    QColor PreviewStatusColor() const;
    // The status line's place; the preview never reaches below its top.
    QRect PreviewStatusGeometry() const;
    // Where the label is shown: the preview area above the status line.
    QRect PreviewRoom() const;
    // The size the preview shows the label at, in percent (100 unless the label is larger than the room).
    int PreviewPercent() const { return FPreviewPercent; }
    TLabelLayout LabelLayout() const;
    // The label the preview shows as the printer gets it; nothing while the preview is empty.
    const std::shared_ptr<const TLabelDrawing>& LabelDrawing() const { return FPresenter.Label().Drawing; }
    // The resolution labels are made and checked for: the default printer's, kDefaultGridDpi for a PDF
    // file or when there is no printer. Tests set their own.
    int PrintDpi() const;
    void SetPrintDpi(int dpi);

    // One row for each named control, in tab order: its name, the control, its place on its parent
    // (none where its panel places it), the tab chain it joins and how its caption is fitted. Building
    // the deck, naming the controls, the tab order and the captions' fonts all follow it.
    enum class TTabChain : std::uint8_t { None, Deck, Design };
    enum class TCaptionFit : std::uint8_t { None, Text, Box };
    struct TPlacement {
        std::string_view Name;
        QWidget* (*Control)(const TBarForm&) = nullptr;
        QRect Place{};
        TTabChain Chain = TTabChain::None;
        TCaptionFit Fit = TCaptionFit::None;
    };
    static std::span<const TPlacement> Placements();

    // The window's controls, named as designed.
    TPanel* UPanel = nullptr;
    TPanel* QrPanel = nullptr;
    TPanel* Panel1 = nullptr;
    TPanel* Panel2 = nullptr;
    TShape* Shape1 = nullptr;
    TShape* Shape2 = nullptr;
    TShape* Shape3 = nullptr;
    QLabel* BarImage = nullptr;
    QLabel* DBImage1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* ReadOnlyMark = nullptr; // shown on a second window that saves nothing
    TAboutPanel* AboutPanel = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QSlider* TrackBar1 = nullptr;
    TPanel* LangRG = nullptr;
    QRadioButton* LangArabic = nullptr;
    QRadioButton* LangEnglish = nullptr;
    QPushButton* AboutBtn = nullptr;
    QPushButton* DesBtn = nullptr;
    TUpperCaseEdit* BarEd = nullptr;
    QComboBox* BarKindSp = nullptr;
    TSpinEdit* ZomSpn = nullptr;
    TSpinEdit* RatioSpn = nullptr;
    TColorBox* ColorBox1 = nullptr;
    QCheckBox* UChk = nullptr;
    QLineEdit* UEd = nullptr;
    QCheckBox* DChk = nullptr;
    QLineEdit* DEd = nullptr;
    TSpinEdit* CSpn = nullptr;
    TSpinEdit* RSpn = nullptr;
    QCheckBox* StChk = nullptr;
    QCheckBox* LayoutChk = nullptr;     // the standard layout
    QCheckBox* CheckDigitChk = nullptr; // off as designed
    QDoubleSpinBox* XDimSpn = nullptr;  // in the zoom's place in the standard layout
    QLabel* lbX = nullptr;              // its caption, in the zoom caption's place
    // The symbol kinds' options, in the bar width's place, each shown only for the kinds that take it.
    QComboBox* EccBox = nullptr;     // QR Code's error correction, L to H
    QLabel* lbEcc = nullptr;         // its caption
    QComboBox* ShapeBox = nullptr;   // Data Matrix: square or rectangular
    QLabel* lbShape = nullptr;       // its caption
    TSpinEdit* ColumnsSpn = nullptr; // PDF417's data columns, "Auto" (0) or 1 to 30
    QLabel* lbColumns417 = nullptr;  // its caption
    TSpinEdit* BCodeAngSpn = nullptr;
    QLabel* lb2 = nullptr;
    QLabel* lb4 = nullptr;
    QLabel* lb5 = nullptr;
    QLabel* lb6 = nullptr;
    QLabel* lb7 = nullptr;
    QLabel* lb8 = nullptr;
    QLabel* lb9 = nullptr;
    QLabel* Label79 = nullptr;
    QLabel* PreviewScale = nullptr; // "Preview at 60%" while the label is shown smaller
    TSpinEdit* StartSpn = nullptr;  // start at label 1 to the cells of a sheet; not kept across runs
    QLabel* lbStart = nullptr;
    QComboBox* SourceBox = nullptr; // one label, a list or a serial run
    TLabelSourcePanel* SourcePanel = nullptr;
    QTimer* Timer1 = nullptr;
    QToolButton* FileBtn = nullptr; // the label design's menu, above the label
    QMenu* FileMenu = nullptr;
    QMenu* RecentMenu = nullptr;

    TDesignPanel* DesBarPanel = nullptr;
    TPictureTable Table1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Return applies and Escape cancels the design panel; both leave the About panel; Ctrl+Z and
    // Ctrl+Y undo and redo the deck's changes (Ctrl+P, Ctrl+O and Ctrl+S are shortcuts).
    void keyPressEvent(QKeyEvent* event) override;

public:
    // The window as painted at a device pixel ratio, and the mask the colour key cuts from it.
    QImage PaintedWindow(qreal ratio);
    QRegion ColorKeyMask(qreal ratio);
    // Puts the print preview beside the window, large enough for its tool bar, clear of the print button.
    void PlacePreview(QWidget* preview) const;

private:
    void BuildWindow();
    void BuildDeck();
    void BuildPreviewArea();
    void BuildSidePanels();
    void ConnectHandlers();
    void LayOutAlignedPanels();
    void DrawLogoBackground();
    void DrawLogo();
    void ShowLogo();
    void ShowPreviewStatus(const TLabelStatus& status);
    // The label the presenter composed last and its status line; an empty preview when it failed.
    void ShowComposed();
    void RefreshStatus();                // the status line anew in the interface language
    void ShowLabel(const QImage& label); // scaled down when larger than the room
    void LayOutStatusLine();
    void FitCaptions();   // the deck's captions and list boxes in fonts they fit whole
    void ApplyToolTips(); // the deck's and the design panel's tooltips in the interface language
    void PlaceControls(); // places, names and chains them by Placements()
    void ConnectSaving();
    void SyncCodeCase(); // the code field keeps lowercase for the kinds that encode it
    void ScheduleSave();
    void ScheduleColorKey();
    QStringList ApplySettings(); // the problems of values that could not be taken
    QStringList ApplySymbolSettings();
    void KeepDamagedSettings(const std::string& bytes, const QString& reason);
    void FinishLoading(const TOptionsValues& values);
    bool TakeDataFolder(); // false when the window is to quit
    void PrintSheet();     // the print command; raises what stops it
    void BuildPrintTrueControls();
    void BuildStartControls();
    void LoadStocks(); // the catalogue into the design panel; what stocks.ini gets wrong is told
    QStringList StockListings() const; // each stock of the catalogue as the design panel lists it
    // Columns, rows and their height, paper, stock, stretch and start position reach the print
    // report, the row height the barcode, and the preview is composed for the new cell.
    void ApplySheet();
    // The sheet by a stock, or by the margins for none: the columns and rows show the stock's grid,
    // unchangeable, and the custom grid comes back with Custom.
    void UseStock(std::optional<TLabelStock> stock);
    void UseSavedStock(const std::string& id); // an ID no longer known falls back to Custom, told
    void ShowSheetChoice();                    // the applied stock and paper in the design panel
    void FitStartRange();                      // the start position within the cells of one sheet
    void PrintCalibrationPage(TCalibrationDialog& dialog);
    void ShowLayoutControls(); // the zoom or the X-dimension, by the layout
    void FitXDimRange();       // the X-dimension spin within the kind's range
    void BuildSymbolControls();
    void ShowKindControls();     // the chosen kind's option control; what does not apply to it is off
    void CaptionSymbolOptions(); // the option lists' entries in the interface language
    // The standard layout's module for the matrix kinds, or the X-dimension of the linear ones.
    void SetModuleMm(bool matrix, double mm);
    double ModuleMm(bool matrix) const;
    // Checksum and its method from the check digit switch; a serial run always takes the kind's check
    // digit, so that every label of it scans.
    void ApplyCheckDigit();
    // The deck as its controls show it, and the presenter that works with it, kept up to date.
    TDeckState DeckFromControls() const;
    TDeckPresenter& Presenter() const;
    // The code and captions the preview shows: the code field's, or the current row's; raises why the
    // source gives none.
    std::pair<std::string, TLabelCaptions> CurrentLabel() const;
    // Every cell drawn from its label's drawing on the printer's dots, and the sheet verified for the
    // preview's line; a verification already made at the printer's resolution is taken as it is.
    TPreviewContent PreviewContent(TPreparedReport sheet, std::vector<QImage> pictures, TSheetLabels labels,
                                   std::vector<TScanExpectation> readings,
                                   std::optional<TSheetVerification> verified) const;
    void ShowPreview(TPreviewContent content); // opens the preview, or rebuilds the open one
    void BuildSourceControls();
    void ConnectSource();
    void BuildDocumentControls();
    void ConnectDocument();
    void TakeDesignList(const TLabelDesign& design, const QString& folder);
    QString ListBoxText() const; // the list box's text as typed
    void CaptionDocument();      // the File menu in the interface language
    void ShowRecentDesigns();    // the recent designs' entries
    void KeepRecentDesign(const QString& path);
    QString DesignText(TDesignPhrase phrase) const;
    // The deck's own fields hand Ctrl+Z and Ctrl+Y to the deck's undo.
    bool DeckUndoKey(QObject* watched, QEvent* event);
    void CaptionSource(); // the source box's entries, the row and the problems in the interface language
    void ReadRows();      // the rows of the list box or the serial fields
    void ShowRowState();
    QString ProblemText(const TRunProblem& problem) const;
    QString ChangedQuestion() const;
    void PrintRows(); // the print command for a list or a run
    void SetUpLabelPrinter();
    std::optional<TLabelPrinterChoice> AskLabelPrinter(const TLabelPrinterChoice& shown);
    TLabelJobRequest LabelJobRequest(const TLabelPrinterChoice& choice);
    std::vector<TLabelJobRow> LabelJobRows() const;
    void FinishLabelJob();
    void FinishRows(std::optional<TRunResult> result);
    void ShowPrintedRows(TRunResult result);
    QStringList ApplySourceSettings();
    void SaveSourceSettings();
    void BuildListControls();
    bool OpenList(const QString& path, bool askColumns);
    void ReopenLastList(); // at start-up, the list file the last session had open
    void ForgetListFile(); // the list box no longer holds the file
    std::function<bool(std::string_view)> CodeTest() const; // a text the kind encodes
    TListColumns ReadingColumns() const;                    // FListColumns with the kind's code test
    TCheckRequest CheckRequest();
    void StartListCheck();
    void TakeCheckBatch(TCheckBatch batch);
    void RecheckIfChanged(); // a change of the deck or the sheet checks the rows anew
    void ShowCheckState();
    QString ProblemReason(const TRunProblem& problem) const; // ProblemText without its line
    TOptionsValues OptionsFromControls() const;
    void ApplyOptions(const TOptionsValues& values);
    void LeaveOptionsFile(const QString& reason);
    void KeepDamagedOptions(const QByteArray& bytes, const QString& reason);
    // Cuts every pixel painted in the key colour out of the window.
    void UpdateColorKey();

    TPrintBarForm& FPrintForm;
    TBarcode FBCode;
    mutable TDeckPresenter FPresenter{FBCode, FPrintForm};
    QImage FLogo;
    TBlinkCounter FBlink;
    TWindowDrag FDrag;
    QButtonGroup* FLangGroup = nullptr;
    QLabel* FPreviewStatus = nullptr;
    bool FShown = false;
    bool FLogoKeyDirty = true;
    std::optional<int> FKeyedDotAngle; // the angle of the dots the window's shape last took in
    QImage FShownLabel;                // the label as the preview shows it
    mutable std::optional<int> FPrintDpi;
    QString FDataDirectory;
    QString FOptionsPath;
    QPointer<TPreviewWindow> FPreview;
    QVariantAnimation* FFadeIn = nullptr;
    std::unique_ptr<QLockFile> FDataFolderLock; // held from start-up until the window has closed
    bool FReadOnly = false;
    bool FWritesOptions = true;
    QString FSettingsPath;
    TSettings FSettings;
    bool FWritesSettings = true;
    bool FSettingsDirty = false;
    bool FStarted = false; // start-up has loaded everything: changes from now on are the user's
    QTimer* FSaveTimer = nullptr;
    QTimer* FColorKeyTimer = nullptr;
    QString FLastSaveError;
    // The X-dimension spin shows the matrix kinds' module or the linear kinds' X-dimension, each kept
    // apart since they differ by default (0.5 and 0.33 mm); the one it does not show waits here.
    bool FXDimShowsMatrix = false;
    double FHiddenModuleMm = KindInfo(TSymbolKind::QRCode).DefaultModuleMm;
    QString FTypedXDim{};
    QString FXDimNote{}; // the X-dimension's text as last typed, until the spin box takes it
    int FPreviewPercent = 100;
    QFont FDeckFont;                           // the window's designed font, which captions are fitted from
    TCatalogues FCatalogues;                   // Qt's own dialogs in the window's language
    std::optional<TLanguage> FOtherLanguage{}; // chosen beyond the language group's two
    std::set<TLanguage> FUnreadableSaid{};     // languages whose catalogue could not be read, said once
    TStockCatalogue FStocks;
    std::optional<TLabelStock> FStock;
    std::optional<std::string> FMissingStockId; // saved, not found at start-up, kept until the user chooses
    TPaperSize FPaper = TPaperSize::A4;         // of a custom sheet
    TCellPlacing FPlacing{};                    // where labels sit on a stock's labels
    TCellOrder FOrder = TCellOrder::AcrossRows; // the order the sheet's cells fill in
    bool FMarkOn = true;                        // the maker's "Q" on every label
    bool FFooterOn = true;                      // the maker's line at the foot of a custom sheet
    struct TGrid {
        int Columns = limits::kColumns.Initial;
        int Rows = limits::kRows.Initial;
    };
    TGrid FCustomGrid; // the columns and rows of a custom sheet while a stock shows its own
    // Shared with the print previews, which ask it at each print.
    std::shared_ptr<TPrinterCalibrations> FCalibrations = std::make_shared<TPrinterCalibrations>();
    QPointer<TCalibrationDialog> FCalibrationDialog;
    std::shared_ptr<const TLabelRows> FRows = std::make_shared<const TLabelRows>();
    std::size_t FRowIndex = 0;
    std::string FListName;      // the file the list came from; empty for pasted text
    std::string FSourceProblem; // why the serial fields give no run, or what stopped the list's reading
    std::vector<TRunProblem> FProblems{};     // the rows that cannot be printed, as last found
    std::vector<TRunProblem> FListProblems{}; // of those, what the reading of the list found
    TListColumns FListColumns{.Header = THeaderRule::Worded};
    bool FListHeader = false; // the list read has a header row
    std::string FListPath;    // the list file's absolute path (UTF-8); empty for pasted text
    int FRowsKind = -1;       // the kind the rows were read for: a header may be a code of another
    TListCheckTask* FCheck = nullptr;
    std::string FCheckKey; // what the rows were last checked with
    std::size_t FCheckedRows = 0;
    std::vector<TRunProblem> FChangedRows{}; // the rows last printed whose text is not the typed one
    QTimer* FListTimer = nullptr;
    TLabelRunTask* FRun = nullptr;
    std::shared_ptr<const TPrintedRows> FPrintedRows;
    std::string FListFileText; // the text read from it, so that a list changed since is saved whole
    QString FDesignPath;       // the design opened or saved last
    TDeckUndo* FDeckUndo = nullptr;
    QFutureWatcher<TLabelJobOutcome>* FLabelJob = nullptr;
    QString FLabelJobPrinter; // as the user named it
    bool FLabelJobBusy = false;
};

} // namespace quillon
