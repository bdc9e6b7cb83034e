// The message box that tells a problem the program goes on after.
#pragma once

#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

namespace quillon {

// A critical message box of `message`. One longer than a screen (30,000 faulty lines of stocks.ini)
// shows its first ten lines and how many follow, with the whole text in the box's scrolling details
// pane, so that the box stays the size of a box.
std::unique_ptr<QMessageBox> ErrorBox(QWidget* parent, const QString& message);

} // namespace quillon
