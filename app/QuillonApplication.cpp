#include "QuillonApplication.h"

#include <QMessageBox>
#include <exception>

namespace quillon {

TQuillonApplication::TQuillonApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName("Quillon");
    setApplicationDisplayName("Quillon");
    setOrganizationName("Quillon");
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
