// The application object: every error that escapes an event handler is shown, and the program goes on.
#pragma once

#include <QApplication>

namespace quillon {

class TQuillonApplication : public QApplication {
public:
    TQuillonApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // What the error box does; tests replace it so that no modal box blocks them.
    static void ShowError(const QString& message);
};

} // namespace quillon
