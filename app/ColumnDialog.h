// The small dialog that maps a CSV list's columns: the first rows as read, a list box over each column
// (code, upper caption, lower caption, copies or ignore) and whether the first row names the columns.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/Captions.h"
#include "label/input/LabelList.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QTableWidget;

namespace quillon {

// What the dialog is opened with: the list's first records and the mapping it starts from.
struct TColumnChoice {
    QString ListName{};                              // named in the title
    std::vector<std::vector<std::string>> Records{}; // the first rows, the header among them
    TListColumns Columns{};                          // Header Always or Never, a field for each column
};

class TColumnDialog : public QDialog {
public:
    TColumnDialog(const TColumnChoice& choice, TLanguage language, QWidget* parent = nullptr);

    // The mapping shown: the header switch and each column's list box.
    TListColumns Columns() const;

    QCheckBox* HeaderChk = nullptr;
    QTableWidget* Table = nullptr;       // the list boxes in its first row, the records below
    std::vector<QComboBox*> ColumnBoxes; // by column
    QDialogButtonBox* Buttons = nullptr; // OK only while a column is the code

private:
    void AllowOk();
};

// The mapping a list is read by, as the dialog starts it: the header and fields the reader found, or a
// field for each column guessed from the header's words, or code, upper, lower, copies by position.
TListColumns ShownColumns(const std::vector<std::vector<std::string>>& records, bool hasHeader);

} // namespace quillon
