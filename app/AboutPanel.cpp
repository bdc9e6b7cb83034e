// TAboutPanel: the About panel with the product title, version, date and credits.
#include "app/AboutPanel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "app/Captions.h"
#include "controls/ProLabel.h"

namespace quillon {
namespace {

// The desktop's named colours as TColor values, red in the low byte. Plain colours, so
// ToQColor's palette is never read for them.
constexpr TColor clBlack = 0x000000;
constexpr TColor clGreen = 0x008000;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clPurple = 0x800080;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor PanelGrey = 0xA4A0A0; // RGB(160, 160, 164)

// Font styles, combinable.
enum FontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// An opaque label paints its background colour; a transparent one lets the panel show through.
enum class LabelFill : std::uint8_t { Transparent, Opaque };
enum class TextWrap : std::uint8_t { None, Words };

struct PixelBox {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct LabelSpec {
    std::string_view Name;
    PixelBox Box;
    std::string_view Text; // UTF-8
    std::string_view Family;
    int PixelHeight = 0;
    int Style = fsBold;
    TColor FontColor = clBlack;
    LabelFill Fill = LabelFill::Transparent;
    TColor Background = PanelGrey; // opaque labels without a colour of their own take the panel's
    TAlignment Alignment = taLeftJustify;
    TextWrap Wrap = TextWrap::None;
};

// The panel's plain labels. The credits are the maker's own; numbers and addresses are the
// reserved 555 and example.* ones.
constexpr std::array<LabelSpec, 16> Labels{{
    {.Name = "Label61",
     .Box = {72, 2, 127, 19},
     .Text = " بسم الله الرحمن الرحيم ",
     .Family = "Arial",
     .PixelHeight = 16,
     .FontColor = clGreen,
     .Fill = LabelFill::Opaque},
    // The title twice: the black copy, 4 px right and 4 px up, is the lime copy's shadow.
    {.Name = "Label51",
     .Box = {67, 20, 238, 79},
     .Text = "QUILLON ",
     .Family = "Smudger LET",
     .PixelHeight = 69,
     .Style = fsBold | fsItalic,
     .FontColor = clBlack},
    {.Name = "Label10",
     .Box = {63, 24, 238, 79},
     .Text = "QUILLON ",
     .Family = "Smudger LET",
     .PixelHeight = 69,
     .Style = fsBold | fsItalic,
     .FontColor = clLime},
    {.Name = "Label12",
     .Box = {72, 95, 89, 16},
     .Text = "Free edition",
     .Family = "MS Sans Serif",
     .PixelHeight = 13,
     .FontColor = clRed},
    {.Name = "Label11",
     .Box = {220, 98, 70, 16},
     .Text = "Version 1.1",
     .Family = "Arial",
     .PixelHeight = 13,
     .FontColor = clPurple},
    {.Name = "Label13",
     .Box = {8, 128, 105, 19},
     .Text = "Programmer: ",
     .Family = "Arial",
     .PixelHeight = 16,
     .FontColor = clGreen},
    {.Name = "Label56",
     .Box = {226, 128, 64, 16},
     .Text = "17/03/2004",
     .Family = "Arial",
     .PixelHeight = 13,
     .FontColor = clBlue},
    {.Name = "Label14",
     .Box = {16, 148, 264, 43},
     .Text = "Rami Saleh  رامي صالح",
     .Family = "Arial (Arabic)",
     .PixelHeight = 19,
     .Style = fsBold | fsItalic,
     .FontColor = clFuchsia,
     .Fill = LabelFill::Opaque,
     .Background = clYellow,
     .Alignment = taCenter,
     .Wrap = TextWrap::Words},
    {.Name = "Label55",
     .Box = {8, 190, 132, 16},
     .Text = "Tel: +1 555 0142",
     .Family = "Arial",
     .PixelHeight = 13,
     .Style = fsBold | fsUnderline,
     .FontColor = clBlack},
    {.Name = "Label57",
     .Box = {155, 190, 112, 16},
     .Text = "rami@example.com",
     .Family = "Arial",
     .PixelHeight = 13,
     .FontColor = clBlue},
    {.Name = "Label16",
     .Box = {8, 210, 120, 19},
     .Text = "The Distributor:",
     .Family = "Arial",
     .PixelHeight = 16,
     .FontColor = clGreen},
    {.Name = "Label17",
     .Box = {20, 226, 264, 19},
     .Text = "Example Trading - شركة المثال",
     .Family = "Arial",
     .PixelHeight = 16,
     .FontColor = clFuchsia},
    {.Name = "Label18",
     .Box = {15, 245, 277, 16},
     .Text = "P.O. Box 555, Example City - ص.ب 555",
     .Family = "Arial",
     .PixelHeight = 13,
     .FontColor = clBlack,
     .Fill = LabelFill::Opaque},
    {.Name = "Label19",
     .Box = {5, 264, 286, 16},
     .Text = "Tel: +1 555 0100   Fax: +1 555 0101",
     .Family = "Arial",
     .PixelHeight = 13,
     .FontColor = clBlack,
     .Fill = LabelFill::Opaque},
    {.Name = "Label20",
     .Box = {75, 280, 151, 16},
     .Text = "sales@example.org",
     .Family = "Arial",
     .PixelHeight = 13,
     .FontColor = clBlack,
     .Fill = LabelFill::Opaque},
    {.Name = "Label67",
     .Box = {102, 296, 104, 16},
     .Text = "www.example.org",
     .Family = "Arial",
     .PixelHeight = 13,
     .FontColor = clBlue},
}};

// The two vertical brand captions: turned by 90 degrees, the same font, differing in their shadow.
struct ProLabelSpec {
    std::string_view Name;
    PixelBox Box;
    std::string_view Caption; // UTF-8
    TShadowStyle ShadowStyle = ssNone;
    TDirection ShadowDirection = drNone;
    TDirection HighlightDirection = drNone;
};

constexpr std::array<ProLabelSpec, 2> ProLabels{{
    {.Name = "ProLabel1",
     .Box = {11, 7, 33, 105},
     .Caption = "Quillon",
     .ShadowStyle = ssRecessedColor,
     .ShadowDirection = drUpLeft,
     .HighlightDirection = drDownRight},
    {.Name = "ProLabel2",
     .Box = {32, 0, 25, 133},
     .Caption = "كويلون",
     .ShadowStyle = ssRaisedShadow,
     .ShadowDirection = drDownRight,
     .HighlightDirection = drUpLeft},
}};
constexpr std::string_view ProLabelFamily = "Arabic Transparent";
constexpr int ProLabelPixelHeight = 24;
constexpr int ProLabelAngleDegrees = 90;

constexpr PixelBox Bevel2Box{4, 128, 289, 79};
constexpr PixelBox AboutOkBox{110, 314, 75, 25};

// Bottom first, as the window definition lists them; later controls lie over earlier ones.
constexpr std::array<std::string_view, 20> StackingOrder{
    "Label61", "Label51", "Label10", "ProLabel1", "ProLabel2", "Label12", "Label11",
    "Bevel2",  "Label13", "Label56", "Label14",   "Label55",   "Label57", "Label16",
    "Label17", "Label18", "Label19", "Label20",   "Label67",   "AboutOk",
};
static_assert(StackingOrder.size() == Labels.size() + ProLabels.size() + 2); // + Bevel2, AboutOk

// The narrowest a substitute face is squeezed to; below this letters run together.
constexpr int MinStretchPercent = 50;

QRect ToRect(const PixelBox& box)
{
    return {box.Left, box.Top, box.Width, box.Height};
}

QFont MakeFont(std::string_view family, int pixelHeight, int style)
{
    QFont font(FromUtf8(family));
    font.setPixelSize(pixelHeight);
    font.setBold((style & fsBold) != 0);
    font.setItalic((style & fsItalic) != 0);
    font.setUnderline((style & fsUnderline) != 0);
    return font;
}

// The width a label's text layout takes for one line, rounded out to whole pixels.
int LineWidthPx(const QFont& font, const QString& text)
{
    constexpr int UnboundedPx = 100000;
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, UnboundedPx, UnboundedPx), Qt::AlignLeft, text)
        .width();
}

// The layout was drawn for narrower faces than the installed substitutes: a line that would
// overflow its box is squeezed horizontally (its height stays) rather than clipped.
QFont FittedFont(QFont font, const QString& text, int widthPx)
{
    const int natural = LineWidthPx(font, text);
    if (natural <= widthPx)
        return font;
    int stretch = std::max(MinStretchPercent, widthPx * 100 / natural);
    font.setStretch(stretch);
    // Hinting keeps the width from scaling exactly; step down until the line fits.
    while (stretch > MinStretchPercent && LineWidthPx(font, text) > widthPx)
        font.setStretch(--stretch);
    return font;
}

bool CoversText(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    const QList<uint> characters = text.toUcs4();
    return std::all_of(characters.begin(), characters.end(), [&](uint c) { return metrics.inFontUcs4(c); });
}

// DejaVu's oblique faces carry no Arabic letters: where the slanted face lacks a letter of the
// line, take the upright face and let the font engine slant it.
QFont CoveringFont(QFont font, const QString& text)
{
    if (!font.italic() || CoversText(font, text))
        return font;
    QFont upright = font;
    upright.setItalic(false);
    if (!CoversText(upright, text))
        return font;
    font.setStyleName(QFontInfo(upright).styleName());
    return font;
}

// A caption turned by 90 degrees reads up the box: its line's height goes across the box's width and
// its advance along the box's height. The largest size no larger than the designed one whose line (ink
// of every letter and mark included) fits, so that no letter is cut at the box's edge.
QFont FittedTurnedFont(QFont font, const QString& caption, const PixelBox& box)
{
    constexpr int MinPixelHeight = 8;
    for (int pixels = font.pixelSize(); pixels > MinPixelHeight; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const QRect ink = metrics.boundingRect(caption);
        const bool across = metrics.height() <= box.Width && metrics.ascent() + ink.top() >= 0 &&
                            metrics.ascent() + ink.bottom() < box.Width;
        if (across && metrics.horizontalAdvance(caption) <= box.Height && ink.right() < box.Height)
            return font;
    }
    return font;
}

Qt::Alignment ToQtAlignment(TAlignment alignment)
{
    const Qt::Alignment horizontal = alignment == taCenter         ? Qt::AlignHCenter
                                     : alignment == taRightJustify ? Qt::AlignRight
                                                                   : Qt::AlignLeft;
    return horizontal | Qt::AlignTop;
}

QLabel* MakeLabel(QWidget* parent, const LabelSpec& design)
{
    auto* label = new QLabel(parent);
    label->setObjectName(FromUtf8(design.Name));
    label->setTextFormat(Qt::PlainText);
    label->setText(FromUtf8(design.Text));
    label->setGeometry(ToRect(design.Box));
    label->setAlignment(ToQtAlignment(design.Alignment));
    label->setWordWrap(design.Wrap == TextWrap::Words);
    const QFont font = CoveringFont(MakeFont(design.Family, design.PixelHeight, design.Style), label->text());
    label->setFont(design.Wrap == TextWrap::Words ? font : FittedFont(font, label->text(), design.Box.Width));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(design.FontColor, palette));
    palette.setColor(QPalette::Window, ToQColor(design.Background, palette));
    label->setPalette(palette);
    label->setAutoFillBackground(design.Fill == LabelFill::Opaque);
    return label;
}

TProLabel* MakeProLabel(QWidget* parent, const ProLabelSpec& design)
{
    auto* label = new TProLabel(parent);
    label->setObjectName(FromUtf8(design.Name));
    label->SetAutoSize(false); // first, so that neither the font nor the caption resizes it
    label->setGeometry(ToRect(design.Box));
    label->SetTransparent(true);
    label->SetWordWrap(true);
    label->SetFont(FittedTurnedFont(MakeFont(ProLabelFamily, ProLabelPixelHeight, fsBold),
                                    FromUtf8(design.Caption), design.Box));
    label->SetFontColor(clBtnFace);
    label->SetCaption(FromUtf8(design.Caption));
    label->SetAngle(ProLabelAngleDegrees);
    // In the order a stored form is loaded: the preset, then the values that refine it.
    label->SetShadowStyle(design.ShadowStyle);
    label->SetShadowDirection(design.ShadowDirection);
    label->SetHighlightDirection(design.HighlightDirection);
    label->SetShadowDepth(1);
    label->SetHighlightDepth(1);
    label->SetShadowSize(1);
    return label;
}

} // namespace

TAboutPanel::TAboutPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AboutPanel"));
    setFixedSize(WidthPx, HeightPx);
    setLayoutDirection(Qt::LeftToRight); // the panel never mirrors, whatever the language
    QPalette panelPalette = palette();
    panelPalette.setColor(QPalette::Window, ToQColor(PanelGrey, panelPalette));
    setPalette(panelPalette);
    setAutoFillBackground(true);

    CreateLabels();
    CreateProLabels();
    CreateBevel();
    CreateOkButton();
    ApplyStackingOrder();
}

void TAboutPanel::CreateLabels()
{
    for (const LabelSpec& design : Labels)
        MakeLabel(this, design);
}

void TAboutPanel::CreateProLabels()
{
    FProLabel1 = MakeProLabel(this, ProLabels[0]);
    FProLabel2 = MakeProLabel(this, ProLabels[1]);
}

void TAboutPanel::CreateBevel()
{
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel2"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(ToRect(Bevel2Box));
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents); // a frame only, over nothing it owns
}

void TAboutPanel::CreateOkButton()
{
    FAboutOk = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    FAboutOk->setObjectName(QStringLiteral("AboutOk"));
    FAboutOk->setGeometry(ToRect(AboutOkBox));
}

void TAboutPanel::ApplyStackingOrder()
{
    for (std::string_view name : StackingOrder) {
        if (auto* control = findChild<QWidget*>(FromUtf8(name), Qt::FindDirectChildrenOnly))
            control->raise();
    }
}

} // namespace quillon
