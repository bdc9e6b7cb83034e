// The column dialog of a CSV list.
#include "app/ColumnDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Catalogues.h"
#include "app/LabelSource.h"

namespace quillon {
namespace {

// The list box's entries, in TListColumn order.
constexpr TSourcePhrase kColumnPhrases[] = {TSourcePhrase::ColumnCode, TSourcePhrase::ColumnUpper,
                                            TSourcePhrase::ColumnLower, TSourcePhrase::ColumnCopies,
                                            TSourcePhrase::ColumnIgnore};
static_assert(std::size(kColumnPhrases) == kListColumnCount);

constexpr int kDialogWidth = 520;
constexpr int kDialogHeight = 260;

std::size_t ColumnCount(const std::vector<std::vector<std::string>>& records)
{
    std::size_t columns = 0;
    for (const auto& record : records)
        columns = std::max(columns, record.size());
    return columns;
}

} // namespace

TListColumns ShownColumns(const std::vector<std::vector<std::string>>& records, bool hasHeader)
{
    const std::size_t count = ColumnCount(records);
    TListColumns columns{.Header = hasHeader ? THeaderRule::Always : THeaderRule::Never};
    if (hasHeader && !records.empty())
        columns.Fields = GuessListColumns(records.front());
    else
        for (std::size_t i = 0; i < count; ++i)
            columns.Fields.push_back(i < 4 ? static_cast<TListColumn>(i) : TListColumn::Ignore);
    columns.Fields.resize(count, TListColumn::Ignore);
    return columns;
}

TColumnDialog::TColumnDialog(const TColumnChoice& choice, TLanguage language, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(SourceText(TSourcePhrase::ColumnsTitle, language).arg(choice.ListName));
    resize(kDialogWidth, kDialogHeight);
    HeaderChk = new QCheckBox(SourceText(TSourcePhrase::HeaderRow, language), this);
    HeaderChk->setChecked(choice.Columns.Header == THeaderRule::Always);
    const std::size_t columns = std::max(ColumnCount(choice.Records), choice.Columns.Fields.size());
    Table = new QTableWidget(static_cast<int>(choice.Records.size()) + 1, static_cast<int>(columns), this);
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (std::size_t column = 0; column < columns; ++column) {
        auto* box = new QComboBox(Table);
        for (const TSourcePhrase phrase : kColumnPhrases)
            box->addItem(SourceText(phrase, language));
        const TListColumn shown =
            column < choice.Columns.Fields.size() ? choice.Columns.Fields[column] : TListColumn::Ignore;
        box->setCurrentIndex(static_cast<int>(shown));
        connect(box, &QComboBox::currentIndexChanged, this, &TColumnDialog::AllowOk);
        Table->setCellWidget(0, static_cast<int>(column), box);
        ColumnBoxes.push_back(box);
    }
    for (std::size_t row = 0; row < choice.Records.size(); ++row)
        for (std::size_t column = 0; column < choice.Records[row].size(); ++column) {
            const std::string& field = choice.Records[row][column];
            Table->setItem(
                static_cast<int>(row) + 1, static_cast<int>(column),
                new QTableWidgetItem(QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size()))));
        }
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HeaderChk);
    layout->addWidget(Table);
    layout->addWidget(Buttons);
    setLayoutDirection(TextDirection(language));
    AllowOk();
}

TListColumns TColumnDialog::Columns() const
{
    TListColumns columns{.Header = HeaderChk->isChecked() ? THeaderRule::Always : THeaderRule::Never};
    for (const QComboBox* box : ColumnBoxes)
        columns.Fields.push_back(static_cast<TListColumn>(box->currentIndex()));
    return columns;
}

// A list without a code column would print nothing.
void TColumnDialog::AllowOk()
{
    const bool code = std::any_of(ColumnBoxes.begin(), ColumnBoxes.end(), [](const QComboBox* box) {
        return box->currentIndex() == static_cast<int>(TListColumn::Code);
    });
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(code);
}

} // namespace quillon
