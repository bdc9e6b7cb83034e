// quillon: the label maker's window.
#include <QCommandLineParser>

#include "app/BarForm.h"
#include "app/FontSubstitutions.h"
#include "app/OptionsFile.h"
#include "app/PrintBarForm.h"
#include "app/QuillonApplication.h"

namespace {

// --data-dir DIR overrides the application data directory; the program takes no other argument.
QString DataDirectory(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Quillon, the barcode label maker");
    parser.addHelpOption();
    parser.addOption({"data-dir", "Keep the options file and the picture table in DIR.", "DIR"});
    parser.process(app);
    return parser.isSet("data-dir") ? parser.value("data-dir") : quillon::DefaultDataDirectory();
}

}  // namespace

int main(int argc, char** argv)
{
    quillon::TQuillonApplication app(argc, argv);
    quillon::RegisterFontSubstitutions();

    quillon::TPrintBarForm printForm;  // never shown: it only holds the sheet's report
    quillon::TBarForm barForm(printForm, DataDirectory(app));
    barForm.show();
    return app.exec();
}
