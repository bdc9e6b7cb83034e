// TBarForm: the main window. A frameless, always-on-top, colour-keyed window with the control deck,
// the live label preview, the corner logo and the About panel.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/BlinkTimer.h"
#include "app/WindowDrag.h"
#include "barcode/Barcode.h"
#include "data/PictureTable.h"
#include "label/LabelComposer.h"
#include "label/ScanCheck.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QLockFile;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;
class QVariantAnimation;

namespace quillon {

class TAboutPanel;
class TColorBox;
class TDesignPanel;
class TPanel;
class TPrintBarForm;
class TShape;
class TSpinEdit;
class TUpperCaseEdit;
struct TOptionsValues;

// What a window does when another one already works on the same data folder.
enum class TSecondWindow : std::uint8_t { ReadOnly, Quit };

class TBarForm : public QWidget {
public:
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
    void ColorBox1Change();
    void UChkClick();
    void DChkClick();
    void CSpnChange();
    void RSpnChange();
    void StChkClick();
    void BCodeAngSpnChange();

    // Sheet design, printing and the options file.
    void DesBtnClick();
    void BitBtn1Click();
    void BitBtn3Click();
    void SpeedButton1Click();
    void SaveOptions(); // writes nothing while WritesOptions() is false
    void LoadOptions();
    QPrintPreviewDialog* OpenPreviewWindow() const { return FPreview; }

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

    // Language and About panel.
    void LangRGClick();
    void AboutBtnClick();
    void AboutOkClick();

    // The selected entry of the kind list; -1 while its text field holds text that names no entry.
    int KindIndex() const;
    // The selected language item; -1 when none is selected.
    int LangIndex() const;
    void SetLangIndex(int index); // runs LangRGClick when the selection changes

    TBarcode& BCode() { return FBCode; }
    const QImage& LabelImage() const { return FLabelImage; }
    const QImage& Logo() const { return FLogo; }
    const TBlinkCounter& BlinkCounter() const { return FBlink; }
    // The fade to the working opacity that confirming the About panel starts.
    QVariantAnimation* FadeIn() const { return FFadeIn; }
    // Why the preview is empty, or how its label scans.
    QString PreviewStatus() const;
    QColor PreviewStatusColor() const;
    // The scan check of the label the preview shows; nothing while it is empty.
    const std::optional<TScanResult>& LastScan() const { return FLastScan; }

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
    TSpinEdit* BCodeAngSpn = nullptr;
    QLabel* lb2 = nullptr;
    QLabel* lb4 = nullptr;
    QLabel* lb5 = nullptr;
    QLabel* lb6 = nullptr;
    QLabel* lb7 = nullptr;
    QLabel* lb8 = nullptr;
    QLabel* lb9 = nullptr;
    QLabel* Label79 = nullptr;
    QTimer* Timer1 = nullptr;

    TDesignPanel* DesBarPanel = nullptr;
    TPictureTable Table1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    void BuildDeck();
    void BuildPreviewArea();
    void BuildSidePanels();
    void ConnectHandlers();
    void LayOutAlignedPanels();
    void DrawLogoBackground();
    void DrawLogo();
    void ShowPreviewStatus(const QString& message, const QColor& color);
    void ShowPreviewError(const QString& message); // empties the preview and says why
    bool TakeDataFolder();                         // false when the window is to quit
    void PrintSheet();                             // the print command; raises what stops it
    TOptionsValues OptionsFromControls() const;
    void ApplyOptions(const TOptionsValues& values);
    void LeaveOptionsFile(const QString& reason);
    void KeepDamagedOptions(const QByteArray& bytes, const QString& reason);
    // Cuts every pixel painted in the key colour out of the window.
    void UpdateColorKey();

    TPrintBarForm& FPrintForm;
    TBarcode FBCode;
    QImage FLabelImage;
    QImage FLogo;
    TBlinkCounter FBlink;
    TWindowDrag FDrag;
    QButtonGroup* FLangGroup = nullptr;
    QLabel* FPreviewStatus = nullptr;
    bool FShown = false;
    bool FLogoKeyDirty = true;
    std::optional<int> FKeyedDotAngle; // the angle of the dots the window's shape last took in
    std::optional<TScanResult> FLastScan;
    QString FDataDirectory;
    QString FOptionsPath;
    QPointer<QPrintPreviewDialog> FPreview;
    QVariantAnimation* FFadeIn = nullptr;
    std::unique_ptr<QLockFile> FDataFolderLock; // held from start-up until the window has closed
    bool FReadOnly = false;
    bool FWritesOptions = true;
};

} // namespace quillon
