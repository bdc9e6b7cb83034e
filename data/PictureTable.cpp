// TPictureTable: the picture table on SQLite through QtSql's QSQLITE driver.
#include "data/PictureTable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMetaType>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <cstdint>
#include <vector>

#include "barcode/Exception.h"
#include "data/PngEncoder.h"
#include "data/SafeFile.h"

namespace quillon {
namespace {

// Why SQLite refused, by primary result code (the SQLite result code list, sqlite.org/rescode.html).
// "%1" stands for SQLite's own words, kept so that the message still says exactly what happened.
struct FaultReason {
    int PrimaryCode = 0;
    const char* Reason = "";
};
constexpr FaultReason kFaultReasons[] = {
    {5, "the file is in use by another program"},      // SQLITE_BUSY: another connection holds a lock
    {6, "the file is in use by another program"},      // SQLITE_LOCKED: a lock inside this process
    {8, "the file cannot be written (%1)"},            // SQLITE_READONLY
    {10, "the file cannot be read or written (%1)"},   // SQLITE_IOERR
    {11, "the file is damaged (%1)"},                  // SQLITE_CORRUPT: malformed or truncated
    {13, "the disk is full (%1)"},                     // SQLITE_FULL
    {14, "the file cannot be opened or created (%1)"}, // SQLITE_CANTOPEN
    {26, "the file is not a picture table (%1)"},      // SQLITE_NOTADB: not an SQLite database at all
};
constexpr int kPrimaryCodeMask = 0xff; // extended result codes keep the primary code in the low byte

// The wait for another program's lock; short, so that a busy file never freezes the window.
constexpr const char* kConnectOptions = "QSQLITE_BUSY_TIMEOUT=1000";

constexpr const char* kOpenAction = "open";
constexpr const char* kReadAction = "read";
constexpr const char* kCountAction = "count the rows of";
constexpr const char* kDeleteAction = "delete a row of";
constexpr const char* kInsertAction = "add a row to";
constexpr const char* kReplaceAction = "replace the rows of";
constexpr const char* kRenameAction = "change the file of";

constexpr const char* kCreateTable = "CREATE TABLE IF NOT EXISTS pict (Id INTEGER PRIMARY KEY, Grph BLOB)";
constexpr const char* kInsertRow = "INSERT INTO pict (Grph) VALUES (?)";
constexpr const char* kFirstRow = "SELECT rowid FROM pict ORDER BY rowid LIMIT 1";
constexpr const char* kRowAfter = "SELECT rowid FROM pict WHERE rowid > ? ORDER BY rowid LIMIT 1";

// Why the table file is refused before SQLite opens it, by the fault the safe file layer found.
struct FileRefusal {
    TFileFault Fault = TFileFault::None;
    const char* Reason = "";
};
constexpr FileRefusal kFileRefusals[] = {
    {TFileFault::NotRegular, "it is not a regular file"}, // a FIFO, a device, a directory, a dangling link
    {TFileFault::NotOwned, "it is another user's link or file"}, // a link planted in a shared folder
};

QString NewConnectionName()
{
    static std::atomic<int> lastNumber{0};
    return QStringLiteral("quillon-pict-%1").arg(++lastNumber);
}

QVariant NullField()
{
    return QVariant(QMetaType::fromType<QByteArray>());
}

} // namespace

TPictureTable::TPictureTable()
    : FConnectionName(NewConnectionName()),
      FDatabase(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FConnectionName))
{
}

TPictureTable::~TPictureTable()
{
    Close();
    FDatabase = QSqlDatabase(); // the last handle must go before the connection can be removed
    QSqlDatabase::removeDatabase(FConnectionName);
}

void TPictureTable::SetFileName(const QString& fileName)
{
    if (FActive && fileName != FFileName)
        Fail(kRenameAction, QStringLiteral("the table is open"));
    FFileName = fileName;
}

void TPictureTable::Open()
{
    if (FActive)
        return;
    if (FFileName.isEmpty())
        Fail(kOpenAction, QStringLiteral("no file name is set"));
    if (!FDatabase.isValid())
        Fail(kOpenAction, QStringLiteral("the SQLite driver of Qt is not installed (libqt6sql6-sqlite)"));
    if (FFileName != QLatin1String(kPictureTableInMemory))
        CheckTableFile();
    FDatabase.setDatabaseName(FFileName);
    FDatabase.setConnectOptions(QLatin1String(kConnectOptions));
    if (!FDatabase.open())
        Fail(kOpenAction, FDatabase.lastError());
    FActive = true;
    try {
        PrepareTable();
        First();
    } catch (...) {
        Close();
        throw;
    }
}

// SQLite replaces pages in place and would block on a FIFO or write through any link, so the file gets
// the checks of a replacement first. A folder that cannot be written is left for SQLite to report.
void TPictureTable::CheckTableFile() const
{
    try {
        CheckReplaceable(QFile::encodeName(FFileName).toStdString());
    } catch (const EFileError& e) {
        for (const FileRefusal& refusal : kFileRefusals)
            if (refusal.Fault == e.Fault())
                Fail(kOpenAction, QLatin1String(refusal.Reason));
        if (e.Fault() != TFileFault::AccessDenied && e.Fault() != TFileFault::WriteProtected)
            Fail(kOpenAction, QString::fromUtf8(e.what()));
    }
}

// SQLite opens lazily, so this is where a foreign or damaged file shows itself.
void TPictureTable::PrepareTable()
{
    Run(QLatin1String(kCreateTable), {}, kOpenAction);
    Run(QStringLiteral("SELECT count(*) FROM pict"), {}, kOpenAction); // walks the table's pages
}

void TPictureTable::Close()
{
    if (!FActive)
        return;
    FInserting = false;
    FPendingGraphic = QVariant();
    FCurrentKey.reset();
    FDatabase.close();
    FActive = false;
}

void TPictureTable::First()
{
    RequireOpen(kReadAction);
    FInserting = false;
    QSqlQuery query = Run(QLatin1String(kFirstRow), {}, kReadAction);
    FCurrentKey = query.next() ? std::optional<qint64>(query.value(0).toLongLong()) : std::nullopt;
    if (query.lastError().isValid())
        Fail(kReadAction, query.lastError());
}

void TPictureTable::Next()
{
    RequireOpen(kReadAction);
    FInserting = false;
    if (FCurrentKey)
        MoveToRowAfter(*FCurrentKey, kReadAction);
}

void TPictureTable::MoveToRowAfter(qint64 key, const char* action)
{
    QSqlQuery query = Run(QLatin1String(kRowAfter), {key}, action);
    FCurrentKey = query.next() ? std::optional<qint64>(query.value(0).toLongLong()) : std::nullopt;
    if (query.lastError().isValid())
        Fail(action, query.lastError());
}

void TPictureTable::Delete()
{
    RequireOpen(kDeleteAction);
    RequireCurrentRow(kDeleteAction);
    FInserting = false;
    const qint64 deletedKey = *FCurrentKey;
    Run(QStringLiteral("DELETE FROM pict WHERE rowid = ?"), {deletedKey}, kDeleteAction);
    MoveToRowAfter(deletedKey, kDeleteAction);
}

int TPictureTable::RowCount()
{
    RequireOpen(kCountAction);
    QSqlQuery query = Run(QStringLiteral("SELECT count(*) FROM pict"), {}, kCountAction);
    if (!query.next())
        Fail(kCountAction, query.lastError());
    return query.value(0).toInt();
}

void TPictureTable::Insert()
{
    RequireOpen(kInsertAction);
    FInserting = true;
    FPendingGraphic = NullField();
}

void TPictureTable::SetGraphic(const QImage& image)
{
    RequireOpen(kInsertAction);
    if (!FInserting)
        Fail(kInsertAction, QStringLiteral("no row is being inserted"));
    FPendingGraphic = PngField(image, kInsertAction);
}

void TPictureTable::Post()
{
    RequireOpen(kInsertAction);
    if (!FInserting)
        Fail(kInsertAction, QStringLiteral("no row is being inserted"));
    // A failed insert keeps the row pending, so that it can be posted again.
    const QSqlQuery query = Run(QLatin1String(kInsertRow), {FPendingGraphic}, kInsertAction);
    FCurrentKey = query.lastInsertId().toLongLong();
    FInserting = false;
    FPendingGraphic = QVariant();
}

QImage TPictureTable::Graphic()
{
    RequireOpen(kReadAction);
    RequireCurrentRow(kReadAction);
    QSqlQuery query =
        Run(QStringLiteral("SELECT Grph FROM pict WHERE rowid = ?"), {*FCurrentKey}, kReadAction);
    if (!query.next()) {
        if (query.lastError().isValid())
            Fail(kReadAction, query.lastError());
        Fail(kReadAction, QStringLiteral("the current row no longer exists"));
    }
    if (query.value(0).isNull())
        return QImage();
    QImage image;
    if (!image.loadFromData(query.value(0).toByteArray(), "PNG"))
        Fail(kReadAction, QStringLiteral("the picture of row %1 is not a PNG image").arg(*FCurrentKey));
    // A black and white label is stored a bit a pixel; it reads back as the colour image it was made as.
    if (image.format() == QImage::Format_Mono)
        image.convertTo(QImage::Format_RGB32);
    return image;
}

template <typename Inserter> void TPictureTable::ReplaceRows(const Inserter& insert)
{
    FInserting = false;
    // IMMEDIATE takes the write lock before anything changes, so a busy file fails at once.
    Run(QStringLiteral("BEGIN IMMEDIATE"), {}, kReplaceAction);
    try {
        Run(QStringLiteral("DELETE FROM pict"), {}, kReplaceAction);
        insert();
        Run(QStringLiteral("COMMIT"), {}, kReplaceAction);
    } catch (...) {
        // SQLite may already have rolled back on its own; then this finds no transaction, harmlessly.
        QSqlQuery(FDatabase).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
    First();
}

void TPictureTable::ReplaceAllRows(const QImage& image, int count)
{
    RequireOpen(kReplaceAction);
    if (count < 0)
        Fail(kReplaceAction, QStringLiteral("the row count %1 is negative").arg(count));
    const QVariant png = PngField(image, kReplaceAction); // encoded once, bound for every row
    ReplaceRows([&] { InsertRows(png, count); });
}

void TPictureTable::ReplaceAllRows(std::span<const QByteArray> pictures)
{
    RequireOpen(kReplaceAction);
    for (std::size_t row = 0; row < pictures.size(); ++row)
        if (!pictures[row].isEmpty() && !IsPng(pictures[row]))
            Fail(kReplaceAction,
                 QStringLiteral("picture %1 of %2 is not a PNG image").arg(row + 1).arg(pictures.size()));
    ReplaceRows([&] {
        QSqlQuery insert(FDatabase);
        if (!insert.prepare(QLatin1String(kInsertRow)))
            Fail(kReplaceAction, insert.lastError());
        for (const QByteArray& picture : pictures) {
            insert.bindValue(0, picture.isEmpty() ? NullField() : QVariant(picture));
            if (!insert.exec())
                Fail(kReplaceAction, insert.lastError());
        }
    });
}

QByteArray TPictureTable::StoredPicture(const QImage& image)
{
    if (image.isNull())
        return {};
    // A composed label: a bit a pixel when it is black and white, as most are, else RGB.
    if (std::optional<QByteArray> png = BlackAndWhitePng(image, TPngDeflate::Quickest))
        return *std::move(png);
    if (std::optional<QByteArray> png = RgbPng(image))
        return *std::move(png);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw Exception("The picture cannot be stored as PNG");
    return png;
}

void TPictureTable::InsertRows(const QVariant& png, int count)
{
    QSqlQuery insert(FDatabase);
    if (!insert.prepare(QLatin1String(kInsertRow)))
        Fail(kReplaceAction, insert.lastError());
    for (int row = 0; row < count; ++row) {
        insert.bindValue(0, png);
        if (!insert.exec())
            Fail(kReplaceAction, insert.lastError());
    }
}

QVariant TPictureTable::PngField(const QImage& image, const char* action) const
{
    if (image.isNull())
        return NullField();
    try {
        return StoredPicture(image);
    } catch (const Exception&) {
        Fail(action, QStringLiteral("the picture cannot be stored as PNG"));
    }
}

QSqlQuery TPictureTable::Run(const QString& sql, const QVariantList& values, const char* action)
{
    QSqlQuery query(FDatabase);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        Fail(action, query.lastError());
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        Fail(action, query.lastError());
    return query;
}

void TPictureTable::RequireOpen(const char* action) const
{
    if (!FActive)
        Fail(action, QStringLiteral("the table is not open"));
}

void TPictureTable::RequireCurrentRow(const char* action) const
{
    if (!FCurrentKey)
        Fail(action, QStringLiteral("there is no current row"));
}

void TPictureTable::Fail(const char* action, const QSqlError& error) const
{
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    const int primaryCode = error.nativeErrorCode().toInt() & kPrimaryCodeMask;
    for (const FaultReason& fault : kFaultReasons)
        if (fault.PrimaryCode == primaryCode)
            Fail(action, QString::fromLatin1(fault.Reason).replace(QStringLiteral("%1"), detail));
    Fail(action, detail);
}

void TPictureTable::Fail(const char* action, const QString& reason) const
{
    const QString table = FFileName.isEmpty()
                              ? QStringLiteral("the picture table")
                              : QStringLiteral("the picture table ") + QDir::toNativeSeparators(FFileName);
    throw Exception(
        QStringLiteral("Cannot %1 %2: %3").arg(QLatin1String(action), table, reason).toStdString());
}

} // namespace quillon
