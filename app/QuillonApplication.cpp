#include "QuillonApplication.h"

#include <QMessageBox>
#include <exception>

#include "data/OptionsFile.h"

namespace quillon {

TQuillonApplication::TQuillonApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The name the data directory is found by, shared with quillon-cli.
    setApplicationName(QString::fromLatin1(kApplicationName));
    setApplicationDisplayName(QString::fromLatin1(kApplicationName));
    setOrganizationName(QString::fromLatin1(kApplicationName));
}

bool TQuillonApplication::notify(QObject* receiver, QEvent* event)
{
    // The handler that raised ends; the program keeps running.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowError(QStringLiteral("Unknown error"));
    }
    return false;
}

void TQuillonApplication::ShowError(const QString& message)
{
    QMessageBox::critical(activeWindow(), QStringLiteral("Quillon"), message);
}

} // namespace quillon
