// TBarForm: start-up, shut-down, the blink timer and logo, window dragging, language and About panel.
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLockFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVariantAnimation>
#include <algorithm>
#include <span>

#include "app/AboutPanel.h"
#include "app/BarForm.h"
#include "app/Captions.h"
#include "app/Catalogues.h"
#include "app/ColorKey.h"
#include "app/DeckControls.h"
#include "app/DeckUndo.h"
#include "app/DesignPanel.h"
#include "app/DotMark.h"
#include "app/FilePhrases.h"
#include "app/Shapes.h"
#include "app/TextFit.h"
#include "controls/ProLabel.h"
#include "data/OptionsFile.h"
#include "data/SafeFile.h"
#include "label/compose/StandardParts.h"
#include "report/PainterCanvas.h"

namespace quillon {

namespace {

constexpr TColor kBlue = 0xFF0000;   // RGB(0, 0, 255), red in the low byte
constexpr TColor kYellow = 0x00FFFF; // RGB(255, 255, 0)
constexpr TColor kMaroonColor = 0x000080;
constexpr TColor kBlack = 0;
constexpr int kAboutBlinkIntervalMs = 1000;
constexpr QPoint kLogoFillStart(30, 30);
constexpr char kLockFileName[] = "quillon.lock";
// A lock file holds a process number, a host and a program name: a few dozen bytes.
constexpr std::size_t kMaxLockFileBytes = 4096;

// Fills the area of one colour connected to `start` with another, as a paint program's bucket does.
void FloodFillSurface(QImage& image, QPoint start, QRgb surface, QRgb fill)
{
    if (!image.rect().contains(start) || surface == fill || image.pixel(start) != surface)
        return;
    std::vector<QPoint> pending{start};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!image.rect().contains(p) || image.pixel(p) != surface)
            continue;
        image.setPixel(p, fill);
        pending.insert(pending.end(),
                       {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
    }
}

// The fault of a lock file that is not one, as a message says it: "a FIFO", "another user's file".
QString LockFault(const EFileError& error, TLanguage language)
{
    switch (error.Fault()) {
    case TFileFault::NotRegular: return FileKindText(KindAt(error.Path()), language);
    case TFileFault::NotOwned:
        return Translated("Files", QT_TRANSLATE_NOOP("Files", "another user's file"), language);
    case TFileFault::TooLarge:
        return Translated("Files", QT_TRANSLATE_NOOP("Files", "larger than a lock file can be"), language);
    default: break;
    }
    return Translated("Files", QT_TRANSLATE_NOOP("Files", "unreadable (%1)"), language)
        .arg(MessageText(error.Message(), language));
}

// A caption that already reads so is left alone.
void SetCaption(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && label->text() != text)
        label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(control); button != nullptr && button->text() != text)
        button->setText(text);
}

} // namespace

void TBarForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!FShown) {
        FShown = true;
        FormShow();
        // Once the window is on the screen with every control painted, cut out its key colour.
        QTimer::singleShot(0, this, [this] { UpdateColorKey(); });
    }
}

void TBarForm::FormShow()
{
    DrawLogoBackground();
    DrawLogo();
    // A missing data directory or an unusable picture table is reported; start-up goes on.
    if (!EnsureDirectory(FDataDirectory))
        ReportError(FileText(TFilePhrase::NoDataDirectory, Language()).arg(PathForMessage(FDataDirectory)));
    if (!TakeDataFolder()) {
        QTimer::singleShot(0, this, &QWidget::close); // once the show has finished
        return;
    }
    try {
        Table1.Open();
    } catch (const std::exception& e) {
        ReportError(ReasonText(e, Language()));
    }
    BarEdChange();
    LangRGClick();
    Timer1->start();
    FormResize();
    LoadStocks();
    LoadOptions();
    AboutBtnClick();
    FStarted = true;
    FDeckUndo->Start(); // the history begins with the deck as loaded
}

// One window at a time writes a data folder: a second one is told at once and goes on read-only or
// quits, so that neither silently overwrites what the other saved.
bool TBarForm::TakeDataFolder()
{
    const QString lockPath = QDir(FDataDirectory).filePath(kLockFileName);
    // The lock is read whole and blocking by Qt: a FIFO, a device, a directory or a huge file there is
    // told, never taken for a running window, and the window goes on without the lock.
    try {
        CheckSmallOwnFile(QFile::encodeName(lockPath).toStdString(), kMaxLockFileBytes);
    } catch (const EFileError& e) {
        ReportError(FileText(TFilePhrase::StrangeLock, Language())
                        .arg(PathForMessage(lockPath), LockFault(e, Language())));
        return true;
    }
    FDataFolderLock = std::make_unique<QLockFile>(lockPath);
    // Held for the whole session, so only a holder that has ended makes it stale, never its age.
    FDataFolderLock->setStaleLockTime(0);
    if (FDataFolderLock->tryLock(0))
        return true;
    if (FDataFolderLock->error() != QLockFile::LockFailedError)
        return true; // a folder that cannot hold the lock cannot be written either, and says so then
    qint64 holder = 0;
    QString host, program;
    if (!FDataFolderLock->getLockInfo(&holder, &host, &program)) {
        // A lock file that names no holder was left half written by a program that ended.
        FDataFolderLock->removeStaleLockFile();
        if (FDataFolderLock->tryLock(0))
            return true;
    }
    FReadOnly = true;
    FWritesOptions = false;
    const QString message =
        CaptionText(SecondWindowQuestion, StoredLanguage()).arg(PathForMessage(FDataDirectory));
    if (ChooseSecondWindow(message) == TSecondWindow::Quit)
        return false;
    ReadOnlyMark->show();
    Table1.SetFileName(QString::fromLatin1(kPictureTableInMemory)); // prints without touching pict.db
    return true;
}

// The language the folder's options keep, for what is said before they are loaded; the designed one
// when they cannot be read.
TLanguage TBarForm::StoredLanguage() const
{
    try {
        TOptionsValues values;
        values.LangRG = LangIndex();
        TOptionsReader reader(ReadOptionsFile(FOptionsPath));
        ReadOptions(reader, values);
        return LanguageOfIndex(std::clamp(values.LangRG, -1, 1));
    } catch (const std::exception&) {
        return Language();
    }
}

void TBarForm::DrawLogoBackground()
{
    // Everything white around the drawing turns to the key colour, that is, see-through.
    // The logo stays in window pixels, shown pixel for pixel enlarged on a denser screen: its key-coloured
    // ground then covers whole window pixels, which the mask can cut without leaving a fringe.
    FloodFillSurface(FLogo, kLogoFillStart, QColor(Qt::white).rgb(), QColor(128, 0, 0).rgb());
    ShowLogo();
    FLogoKeyDirty = true;
}

// Each logo pixel becomes a whole block of device pixels on a denser screen: a smooth enlargement
// would blend the dots and letters with the key-coloured ground into a dark fringe.
void TBarForm::ShowLogo()
{
    const qreal ratio = Image1->devicePixelRatioF();
    QImage shown = ratio == 1.0
                       ? FLogo
                       : FLogo.scaled(FLogo.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shown.setDevicePixelRatio(ratio);
    Image1->setPixmap(QPixmap::fromImage(shown));
}

void TBarForm::DrawLogo()
{
    QPainter painter(&FLogo);
    TPainterCanvas canvas(painter);
    canvas.SetBrush({.Color = kMaroonColor, .Style = bsSolid});
    canvas.SetFont({.Name = "Arabic Transparent", .Size = 12, .Color = syscolor::WindowText});
    canvas.SetPenColor(kBlack);
    canvas.TextOut({36, 60}, "\u00a9");
    canvas.MoveTo({34, 62});
    canvas.LineTo({47, 75});
    canvas.MoveTo({34, 75});
    canvas.LineTo({47, 62});
    canvas.SetFontSize(8);
    canvas.TextOut({0, 78}, ToUtf8(CaptionText(LogoCaptions, Language())));
    canvas.TextOut({0, 0}, "     Quillon");
    painter.end();
    ShowLogo();
    FLogoKeyDirty = true;
}

void TBarForm::closeEvent(QCloseEvent* event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TBarForm::FormClose()
{
    // The program can always be closed: when the options or settings cannot be written, the user
    // decides.
    const QStringList problems = SaveOptionsAndSettings(TSettingsWrite::WhenChanged);
    if (!problems.isEmpty() && !ConfirmCloseAnyway(problems.join('\n')))
        return false;
    FRun->Cancel();      // a print under way is not left to finish behind a closed window
    if (FLabelJobBusy) { // a job being handed to a label printer ends whole or times out, never cut off
        FLabelJob->disconnect(this);
        FLabelJob->waitForFinished();
    }
    Table1.Close();
    if (FDataFolderLock != nullptr)
        FDataFolderLock->unlock(); // only removes a lock this window holds
    return true;
}

void TBarForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOutAlignedPanels();
    FormResize();
}

void TBarForm::FormResize()
{
    if (AboutPanel != nullptr)
        AboutPanel->move((width() - AboutPanel->width()) / 2, AboutPanel->y());
}

void TBarForm::TrackBar1Change()
{
    Timer1->setInterval(TrackBar1->value());
}

void TBarForm::Timer1Timer()
{
    const int angle = BCodeAngSpn->value();
    // The dots sit where the angle puts them: drawing them first at an angle changes the logo's shape.
    if (FKeyedDotAngle != angle) {
        FKeyedDotAngle = angle;
        FLogoKeyDirty = true;
    }
    QPainter painter(&FLogo);
    TPainterCanvas canvas(painter);
    if (FBlink.Tick() == TBlinkPhase::Even) {
        AboutPanel->ProLabel1()->SetShadowStyle(ssRecessedColor);
        AboutPanel->ProLabel2()->SetShadowStyle(ssRecessedColor);
        DrawDotMark(canvas, 39, 51, 4, angle, kBlue, kYellow);
        DrawDotMark(canvas, 40, 50, 4, angle, kYellow, kBlue);
    } else {
        AboutPanel->ProLabel1()->SetShadowStyle(ssRaisedShadow);
        AboutPanel->ProLabel2()->SetShadowStyle(ssRaisedShadow);
        DrawDotMark(canvas, 40, 50, 4, angle, kYellow, kBlue);
        DrawDotMark(canvas, 39, 51, 4, angle, kBlue, kYellow);
    }
    painter.end();
    ShowLogo();
    if (FLogoKeyDirty)
        UpdateColorKey();
}

bool TBarForm::eventFilter(QObject* watched, QEvent* event)
{
    if (DeckUndoKey(watched, event))
        return true;
    const auto* handle = qobject_cast<QWidget*>(watched);
    if (handle == Shape2 || handle == BarImage || handle == Shape3) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            FDrag.Press(mouse->position().toPoint().x(), mouse->position().toPoint().y());
            return true;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint at = mouse->position().toPoint();
            move(FDrag.Move(mouse->buttons().testFlag(Qt::LeftButton), at.x(), at.y(), pos()));
            return true;
        }
        case QEvent::MouseButtonRelease: FDrag.Release(); return true;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int TBarForm::LangIndex() const
{
    return FLangGroup->checkedId();
}

void TBarForm::SetLangIndex(int index)
{
    if (index == LangIndex())
        return;
    if (index == 0 || index == 1) {
        FLangGroup->button(index)->setChecked(true);
    } else {
        // A group can show no selection only while it is not exclusive.
        FLangGroup->setExclusive(false);
        if (QAbstractButton* checked = FLangGroup->checkedButton())
            checked->setChecked(false);
        FLangGroup->setExclusive(true);
    }
    LangRGClick();
}

void TBarForm::ChooseLanguage(TLanguage language)
{
    const int index = language == TLanguage::Arabic ? 0 : language == TLanguage::English ? 1 : -1;
    if (index < 0)
        FOtherLanguage = language;
    if (index == LangIndex() && index >= 0)
        return;
    ScheduleSave();
    if (index == LangIndex())
        LangRGClick(); // from one language beyond the group's two to another
    else
        SetLangIndex(index);
}

QMenu* TBarForm::LanguageMenu()
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const TLanguage language : Languages()) {
        QAction* item =
            menu->addAction(LanguageName(language), this, [this, language] { ChooseLanguage(language); });
        item->setCheckable(true);
        item->setChecked(language == Language());
    }
    return menu;
}

void TBarForm::LangRGClick()
{
    FCatalogues.Use(Language());
    // Without its catalogue the window speaks English: said once, in English, since nothing else can be.
    if (const std::optional<QString> file = UnreadableCatalogue(Language());
        file && FUnreadableSaid.insert(Language()).second)
        ReportError("The window's catalogue " + *file + " cannot be read, so the window speaks English");
    const auto caption = [this](std::string_view name, const QString& text) {
        for (const TPlacement& placement : Placements())
            if (placement.Name == name)
                SetCaption(placement.Control(*this), text);
    };
    for (const ControlCaption& pair : CaptionsFor(Language()))
        caption(pair.Control, pair.Text);
    for (const auto& table :
         {std::span<const CaptionPair>(PrintTrueCaptions), std::span<const CaptionPair>(SheetCaptions),
          std::span<const CaptionPair>(SymbolCaptions), std::span<const CaptionPair>(SourceCaptions)})
        for (const CaptionPair& pair : table)
            caption(pair.Control, CaptionText(pair, Language()));
    if (FShown) { // the logo carries a line in the language: drawn anew on its white ground
        FLogo.fill(Qt::white);
        DrawLogoBackground();
        DrawLogo();
    }
    for (const CaptionPair& pair : DesignCaptions)
        if (auto* control = findChild<QWidget*>(FromUtf8(pair.Control))) {
            SetCaption(control, CaptionText(pair, Language()));
            if (qobject_cast<QLabel*>(control) != nullptr)
                control->adjustSize(); // the buttons and switches keep their designed size
        }
    ColorBox1->CaptionEntries([language = Language()](const QString& english) {
        return Translated("Colours", ToUtf8(english), language);
    });
    DesBarPanel->SetCustomCaption(CaptionText(CustomStockCaptions, Language()));
    DesBarPanel->SetStockListings(StockListings());
    ReadOnlyMark->setText(CaptionText(ReadOnlyMarkCaptions, Language()));
    for (int i = 0; i < static_cast<int>(AlignCaptions.size()); ++i)
        DesBarPanel->AlignBox->setItemText(
            i, CaptionText(AlignCaptions[static_cast<std::size_t>(i)], Language()));
    for (int i = 0; i < static_cast<int>(OrderCaptions.size()); ++i)
        DesBarPanel->OrderBox->setItemText(
            i, CaptionText(OrderCaptions[static_cast<std::size_t>(i)], Language()));
    CaptionSymbolOptions();
    CaptionSource();
    CaptionDocument();
    // Beyond the captions: tooltips, fonts the new captions fit, the status line in the language.
    ApplyToolTips();
    FitCaptions();
    RefreshStatus();
}

void TBarForm::ApplyToolTips()
{
    const TLanguage language = Language();
    for (const auto& table :
         {std::span<const CaptionPair>(ToolTips), std::span<const CaptionPair>(SourceToolTips)})
        for (const CaptionPair& tip : table) {
            const QString name =
                QString::fromUtf8(tip.Control.data(), static_cast<qsizetype>(tip.Control.size()));
            if (auto* control = findChild<QWidget*>(name))
                control->setToolTip(CaptionText(tip, language));
        }
}

// Each caption in the largest font, up to the window's own, in which it shows whole; the list boxes
// show their entry whole and open lists wide enough for every entry.
void TBarForm::FitCaptions()
{
    const auto fit = [this](QWidget* control) {
        const auto* button = qobject_cast<QAbstractButton*>(control);
        FitCaption(control, button != nullptr ? button->text() : static_cast<QLabel*>(control)->text(),
                   FDeckFont);
    };
    for (const TPlacement& placement : Placements()) {
        if (placement.Fit == TCaptionFit::Text)
            fit(placement.Control(*this));
        if (placement.Fit != TCaptionFit::Box)
            continue;
        auto* box = static_cast<QComboBox*>(placement.Control(*this));
        FitCaption(box, box->currentText(), FDeckFont);
        box->view()->setFont(FDeckFont);
        const QFontMetrics metrics(FDeckFont);
        int widest = 0;
        for (int i = 0; i < box->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(box->itemText(i)));
        const int icon = box->itemIcon(0).isNull() ? 0 : box->iconSize().width() + 8;
        box->view()->setMinimumWidth(widest + icon + 16 +
                                     box->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    }
}

void TBarForm::keyPressEvent(QKeyEvent* event)
{
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    if (AboutPanel->isVisible()) {
        if (returnKey || escape)
            return AboutOkClick();
    } else if (DeckUndoKey(this, event)) {
        return;
    } else if (escape && DesBarPanel->isVisible()) {
        return BitBtn3Click();
    } else if (returnKey && DesBarPanel->isVisible()) {
        return BitBtn1Click(); // as a dialog's OK: the spin boxes and lists pass Return on
    }
    QWidget::keyPressEvent(event);
}

void TBarForm::AboutBtnClick()
{
    Timer1->setInterval(kAboutBlinkIntervalMs);
    UPanel->hide();
    QrPanel->hide();
    AboutPanel->show();
    AboutPanel->move(AboutPanel->x(), 0);
    AboutPanel->AboutOk()->setFocus(); // Return and Escape reach the window from it
    UpdateColorKey();
}

void TBarForm::AboutOkClick()
{
    AboutPanel->hide();
    UPanel->show();
    QrPanel->show();
    TrackBar1Change();
    // A short fade in that the event loop runs; without a compositor opacity has no effect.
    FFadeIn->stop();
    FFadeIn->start();
    BarKindSpChange();
    BarEd->setFocus();
    UpdateColorKey();
}

QImage TBarForm::PaintedWindow(qreal ratio)
{
    QImage painted(size() * ratio, QImage::Format_RGB32);
    painted.setDevicePixelRatio(ratio);
    painted.fill(kColorKey);
    render(&painted);
    return painted;
}

QRegion TBarForm::ColorKeyMask(qreal ratio)
{
    return ColorKeyRegion(PaintedWindow(ratio));
}

// The mask is taken from the window painted at the screen's own pixel ratio, as it shows there.
void TBarForm::UpdateColorKey()
{
    if (!FShown)
        return;
    FColorKeyTimer->stop();
    clearMask();
    setMask(ColorKeyMask(devicePixelRatioF()));
    FLogoKeyDirty = false;
}

void TBarForm::ScheduleColorKey()
{
    if (FShown)
        FColorKeyTimer->start();
}

} // namespace quillon
