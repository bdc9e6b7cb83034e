#include "app/ErrorBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>

namespace quillon {

namespace {

constexpr qsizetype kShownLines = 10;

} // namespace

std::unique_ptr<QMessageBox> ErrorBox(QWidget* parent, const QString& message)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Quillon"), message,
                                             QMessageBox::Ok, parent);
    const QStringList lines = message.split('\n');
    if (lines.size() > kShownLines + 1) {
        box->setText(lines.mid(0, kShownLines).join('\n') + '\n' +
                     QCoreApplication::translate("ErrorBox", "... and %n more lines (Show Details...)",
                                                 nullptr, static_cast<int>(lines.size() - kShownLines)));
        box->setDetailedText(message);
    }
    return box;
}

} // namespace quillon
