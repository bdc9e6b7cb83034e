// Test fixture: the main window, headless, on a data folder of its own; what it would show or ask in a
// dialog is collected instead.
#pragma once

#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "app/AboutPanel.h"
#include "app/BarForm.h"
#include "app/DeckControls.h"
#include "label/compose/FontSubstitutions.h"
#include "label/sheet/PrintBarForm.h"
#include "tests/support/QtSupport.h"

namespace quillon::testing {

class TWindowTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterFontSubstitutions(); }
    void TearDown() override { delete (form != nullptr ? form->OpenPreviewWindow() : nullptr); }

    // A window on the data folder with every message and question collected, not yet shown.
    std::unique_ptr<TBarForm> NewWindow()
    {
        auto window = std::make_unique<TBarForm>(printForm, dataDir.path());
        window->ReportError = [this](const QString& message) { errors << message; };
        window->ConfirmCloseAnyway = [this](const QString& question) {
            return asked << question, closeAnyway;
        };
        window->ConfirmPrintAnyway = [this](const QString& question) {
            return asked << question, printAnyway;
        };
        window->ConfirmLeftOut = [this](const QString& question) { return asked << question, printAnyway; };
        window->ChooseListFile = [] { return QString(); };
        window->PrinterNames = [this] { return printers; };
        return window;
    }
    void Start()
    {
        form = NewWindow();
        form->show();
    }
    void Restart()
    {
        ASSERT_TRUE(form->close());
        form.reset();
        Start();
    }
    void Confirm() { form->AboutPanel->AboutOk()->click(); }
    void SetKind(int kind) { form->BarKindSp->setCurrentIndex(kind), form->BarKindSpChange(); }
    QString DataPath(const QString& name) const { return dataDir.filePath(name); }
    std::string Errors() const { return errors.join("; ").toStdString(); }

    QTemporaryDir dataDir;
    QStringList errors; // the messages the window showed
    QStringList asked;  // the questions it asked
    bool closeAnyway = false;
    bool printAnyway = true;
    QStringList printers;
    TPrintBarForm printForm;
    std::unique_ptr<TBarForm> form;
};

} // namespace quillon::testing
