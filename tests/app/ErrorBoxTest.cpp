// Long problem lists (30,000 faulty lines of stocks.ini) show their first ten lines and a count; the
// whole list is in the scrolling details pane. Short messages show whole.
#include <gtest/gtest.h>

#include <QMessageBox>

#include "app/ErrorBox.h"

namespace quillon {
namespace {

QString Lines(int count)
{
    QStringList lines;
    for (int line = 1; line <= count; ++line)
        lines << QStringLiteral("stocks.ini line %1: outside any [ID] entry").arg(line);
    return lines.join('\n');
}

TEST(ErrorBox, ShowsTheFirstTenLinesAndACountWithTheRestInTheDetails)
{
    const struct {
        int Lines;
        int Shown;
        bool Details;
    } rows[] = {{1, 1, false}, {11, 11, false}, {12, 11, true}, {30000, 11, true}};
    for (const auto& row : rows) {
        const QString message = Lines(row.Lines);
        const auto box = ErrorBox(nullptr, message);
        EXPECT_EQ(box->text().count('\n') + 1, row.Shown) << row.Lines;
        EXPECT_EQ(box->detailedText(), row.Details ? message : QString()) << row.Lines;
        const QString count = QStringLiteral("... and %1 more lines (Show Details...)").arg(row.Lines - 10);
        EXPECT_EQ(box->text().endsWith(count), row.Details) << box->text().toStdString();
    }
}

} // namespace
} // namespace quillon
