// TAboutPanel: the About panel with the product title, version, date and credits; the start-up splash.
#pragma once

#include <QWidget>

class QPushButton;

namespace quillon {

class TProLabel;

class TAboutPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int WidthPx = 297;
    static constexpr int HeightPx = 343;

    // Every control carries its name from the window definition as its object name.
    explicit TAboutPanel(QWidget* parent = nullptr);

    // The two vertical brand captions, whose shadow style the blink timer toggles.
    TProLabel* ProLabel1() const { return FProLabel1; }
    TProLabel* ProLabel2() const { return FProLabel2; }
    // Confirms the panel; the main window connects its clicked signal to AboutOkClick.
    QPushButton* AboutOk() const { return FAboutOk; }

private:
    void CreateLabels();
    void CreateProLabels();
    void CreateBevel();
    void CreateOkButton();
    void ApplyStackingOrder();

    TProLabel* FProLabel1 = nullptr;
    TProLabel* FProLabel2 = nullptr;
    QPushButton* FAboutOk = nullptr;
};

} // namespace quillon
