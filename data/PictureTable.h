// TPictureTable: the table of label pictures (pict.db) through which a sheet's labels reach the report.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>
#include <span>

class QImage;
class QSqlError;
class QSqlQuery;

namespace quillon {

// The file name of a table that lives in memory only, for a window that must not write its data folder.
inline constexpr char kPictureTableInMemory[] = ":memory:";

// A one-file SQLite table `pict` (integer key, BLOB field `Grph` holding PNG images), used like a
// desktop-database table: open, walk the rows with a cursor, delete, insert and post.
// Every failure raises quillon::Exception with a message naming what failed and the file.
class TPictureTable {
public:
    TPictureTable();
    ~TPictureTable();
    TPictureTable(const TPictureTable&) = delete;
    TPictureTable& operator=(const TPictureTable&) = delete;

    QString FileName() const { return FFileName; }
    void SetFileName(const QString& fileName); // only while closed

    // Creates the file and the table when missing, then stands on the first row. No effect when open.
    // A file that is not a regular file, or a link that is not the user's or leads to a file that is
    // not, is refused before SQLite opens it.
    void Open();
    void Close(); // a row being inserted and not posted is dropped
    bool Active() const { return FActive; }

    void First();
    void Next(); // past the last row, Eof() becomes true
    bool Eof() const { return !FCurrentKey.has_value(); }
    void Delete(); // deletes the current row; the next one becomes current
    int RowCount();

    // A new row is written only by Post(): Insert() starts it, SetGraphic() gives it its picture
    // (a null image leaves the field empty), Post() writes it and makes it the current row.
    void Insert();
    void SetGraphic(const QImage& image);
    void Post();

    QImage Graphic(); // the picture of the current row; a null image when its field is empty

    // Deletes every row and inserts `count` rows holding `image`, all in one transaction: on any
    // failure the previous rows stay as they were. Stands on the first row afterwards.
    void ReplaceAllRows(const QImage& image, int count);
    // The same with one row for each entry of `pictures`, PNG bytes as StoredPicture gives them (an empty
    // entry leaves the field empty); entries that share their bytes share one encoding. An entry that is
    // not PNG is refused before anything changes.
    void ReplaceAllRows(std::span<const QByteArray> pictures);

    // A picture as the table stores it: PNG bytes, empty for a null image. Safe on any thread, so that
    // many pictures can be encoded off the thread that writes the table. Raises when it cannot be encoded.
    static QByteArray StoredPicture(const QImage& image);

private:
    void CheckTableFile() const;
    void RequireOpen(const char* action) const;
    void RequireCurrentRow(const char* action) const;
    void MoveToRowAfter(qint64 key, const char* action);
    QSqlQuery Run(const QString& sql, const QVariantList& values, const char* action);
    void PrepareTable();
    void InsertRows(const QVariant& png, int count);
    // Deletes every row and runs `insert` in one transaction, rolled back on any failure.
    template <typename Inserter> void ReplaceRows(const Inserter& insert);
    QVariant PngField(const QImage& image, const char* action) const;
    [[noreturn]] void Fail(const char* action, const QString& reason) const;
    [[noreturn]] void Fail(const char* action, const QSqlError& error) const;

    QString FFileName;
    QString FConnectionName;
    QSqlDatabase FDatabase;
    bool FActive = false;
    std::optional<qint64> FCurrentKey; // rowid of the current row; empty at end of data
    bool FInserting = false;
    QVariant FPendingGraphic; // the PNG bytes (or a null field) of the row being inserted
};

} // namespace quillon
