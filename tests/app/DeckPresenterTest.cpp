// The deck's logic without a window: settings in, the sheet, the composition request and the status line
// out; and the one placement table the window builds, names and chains its controls by.
#include <gtest/gtest.h>

#include <QSet>
#include <QWidget>

#include "WindowFixture.h"
#include "app/DeckPresenter.h"

namespace quillon {
namespace {

class DeckPresenterTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterFontSubstitutions(); }

    // The window's designed barcode at the deck's kind and zoom, the sheet applied, the code composed.
    TLabelStatus Compose(const TDeckState& deck, const std::string& code)
    {
        barcode.SetTyp(static_cast<TBarcodeType>(deck.Kind));
        barcode.SetModul(deck.ModulePixels);
        barcode.SetRatio(deck.Ratio);
        presenter.SetDeck(deck);
        EXPECT_EQ(presenter.ApplySheet(TLanguage::English), "");
        presenter.Compose(code, deck.Captions);
        return presenter.Status();
    }

    TBarcode barcode;
    TPrintBarForm printForm;
    TDeckPresenter presenter{barcode, printForm};
};

// The window's designed deck: EAN-13 with both captions on, at the zoom and grid given.
TDeckState Ean13(int zoom, int columns, int rows)
{
    return {.Kind = bcCodeEAN13,
            .ModulePixels = zoom,
            .Captions = {.Upper = "www.quillon-labels.example", .Lower = "Description"},
            .Columns = columns,
            .Rows = rows};
}

TDeckState Standard(TDeckState deck, bool stretch)
{
    deck.Layout = TLabelLayout::Standard;
    deck.Stretch = stretch;
    return deck;
}

struct TStatusRow {
    int No;
    TDeckState Deck;
    std::string Code;
    bool Fits; // a label made, whole in its cell
    TStatusLevel Level;
    std::string English;
    std::string Arabic; // a part of it in Arabic, after the language switch
};

// The cells as the window's own tests find them (PrintTrueTest: a 4-column cell is 45.9 mm wide); the
// sizes of the label with both captions as label/StandardLayout measures them.
const TStatusRow kStatusRows[] = {
    {1, Ean13(1, 2, 10), "6212236011840", true, TStatusLevel::Good, "Scans as 6212236011840",
     "يُقرأ بالماسح: 6212236011840"},
    {2, Ean13(3, 4, 20), "6212236011840", false, TStatusLevel::Error,
     "Label 75.4 mm wide, cell 45.9 mm: it would be cut off; lower the zoom, or use fewer columns or rows",
     "الملصق بعرض 75.4 مم والخانة 45.9 مم: سيُقص؛ قلّل التكبير، أو قلّل أعمدة الورقة أو صفوفها"},
    // 9 rows leave a cell 30 mm high: the bars at their least height and the captions need 31.2 mm.
    {3, Standard(Ean13(1, 2, 9), false), "6212236011840", false, TStatusLevel::Error,
     "Label 31.2 mm high, cell 30.0 mm: its bars cannot reach their minimum height of 20.5 mm; use fewer "
     "columns or rows",
     "لا تبلغ الأعمدة أدنى ارتفاع لها وهو 20.5 مم"},
    // Stretched in a cell smaller than the label asks, the window fits the label to the cell: it prints,
    // and the status line says what changed.
    {4, Standard(Ean13(1, 2, 8), true), "6212236011840", true, TStatusLevel::Warning,
     "Scans as 6212236011840; X-dimension reduced to 0.296 mm (7 dots at 600 dpi) to fit the cell",
     "يُقرأ بالماسح: 6212236011840; "},
    {5, Ean13(1, 2, 10), "ABC", false, TStatusLevel::Error, "EAN-13 takes digits only",
     "يقبل EAN-13 الأرقام فقط"},
};

TEST_F(DeckPresenterTest, StatusLineInBothLanguages)
{
    for (const TStatusRow& row : kStatusRows) {
        SCOPED_TRACE(row.No);
        const TLabelStatus english = Compose(row.Deck, row.Code);
        EXPECT_EQ(presenter.Label().Drawing != nullptr && presenter.Label().Fit.Fits, row.Fits);
        EXPECT_EQ(english.Level, row.Level);
        EXPECT_TRUE(english.Text.startsWith(QString::fromStdString(row.English)))
            << english.Text.toStdString();
        // The switch words what was found anew, without composing again.
        TDeckState arabic = row.Deck;
        arabic.Language = TLanguage::Arabic;
        presenter.SetDeck(arabic);
        const TLabelStatus switched = presenter.Status();
        EXPECT_EQ(switched.Level, row.Level);
        EXPECT_TRUE(switched.Text.contains(QString::fromStdString(row.Arabic)))
            << switched.Text.toStdString();
    }
}

TEST_F(DeckPresenterTest, AFailureEmptiesTheLabel)
{
    Compose(Ean13(1, 2, 10), "6212236011840");
    ASSERT_NE(presenter.Label().Drawing, nullptr);
    Compose(Ean13(1, 2, 10), "12AB");
    EXPECT_EQ(presenter.Label().Drawing, nullptr);
    EXPECT_TRUE(presenter.Label().Picture.isNull());
    EXPECT_FALSE(presenter.Label().Scan.has_value());
}

struct TRequestRow {
    int No;
    TDeckState Deck;
    bool Placed;  // the label placed in its cell, as on a stock
    bool QuietMm; // the classic engine label's quiet zones kept clear of the cut
};

TDeckState OnStock(TDeckState deck)
{
    deck.Stock = TStockCatalogue().Stocks().front();
    return deck;
}

TDeckState QrCode(TDeckState deck)
{
    deck.Kind = static_cast<int>(TSymbolKind::QRCode);
    return deck;
}

TEST_F(DeckPresenterTest, SettingsBecomeTheCompositionRequest)
{
    const TRequestRow rows[] = {
        {1, Ean13(1, 2, 10), false, true},
        {2, Standard(Ean13(1, 2, 10), false), false, false},
        {3, OnStock(Ean13(1, 2, 10)), true, true},
        {4, QrCode(Ean13(1, 2, 10)), false, false},
    };
    for (const TRequestRow& row : rows) {
        SCOPED_TRACE(row.No);
        Compose(row.Deck, "6212236011840");
        const TSheetSettings sheet = presenter.Sheet();
        EXPECT_EQ(sheet.Placing.has_value(), row.Placed);
        EXPECT_EQ(sheet.LabelQuietMm.isNull(), !row.QuietMm);
        EXPECT_EQ(sheet.StockId, row.Deck.Stock ? row.Deck.Stock->Id : "");
        const TComposeSettings request = presenter.ComposeSettings(presenter.SheetProbe());
        EXPECT_EQ(request.Layout, row.Deck.Layout);
        EXPECT_EQ(request.Symbol, SymbolKindOf(row.Deck.Kind));
        EXPECT_EQ(request.Placing.has_value(), row.Placed);
        EXPECT_EQ(request.StockId, sheet.StockId);
        EXPECT_FALSE(request.CellMm.isEmpty());
    }
}

// The table names each control once, the window's children answer to those names, and the tab key walks
// each chain in the table's order.
TEST_F(DeckPresenterTest, OnePlacementTableNamesAndChainsTheControls)
{
    QTemporaryDir folder;
    TBarForm form(printForm, folder.path());
    QSet<QString> names;
    for (const TBarForm::TPlacement& placement : TBarForm::Placements()) {
        const QString name = QString::fromLatin1(placement.Name.data(), placement.Name.size());
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names << name;
        QWidget* control = placement.Control(form);
        ASSERT_NE(control, nullptr) << name.toStdString();
        EXPECT_EQ(form.findChildren<QWidget*>(name).size(), 1) << name.toStdString();
        EXPECT_EQ(form.findChild<QWidget*>(name), control) << name.toStdString();
        if (!placement.Place.isNull()) {
            EXPECT_EQ(control->geometry(), placement.Place) << name.toStdString();
        }
    }
    for (const TBarForm::TTabChain chain : {TBarForm::TTabChain::Deck, TBarForm::TTabChain::Design}) {
        std::vector<QWidget*> wanted;
        for (const TBarForm::TPlacement& placement : TBarForm::Placements())
            if (placement.Chain == chain)
                wanted.push_back(placement.Control(form));
        std::vector<QWidget*> walked{wanted.front()};
        for (QWidget* next = wanted.front()->nextInFocusChain(); next != wanted.front();
             next = next->nextInFocusChain())
            if (std::find(wanted.begin(), wanted.end(), next) != wanted.end())
                walked.push_back(next);
        EXPECT_EQ(walked, wanted);
    }
}

} // namespace
} // namespace quillon
