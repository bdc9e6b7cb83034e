// quillon: the label maker's window.
#include <QCommandLineParser>
#include <QStringList>
#include <iostream>

#include "app/BarForm.h"
#include "app/QuillonApplication.h"
#include "data/OptionsFile.h"
#include "label/FontSubstitutions.h"
#include "label/PrintBarForm.h"

namespace {

// The program's own options. Qt's (-platform, -style, ...) are taken out by the application object,
// so a single dash starts a long name: "-reverse" must not read as "-r -e -v ...".
void DeclareOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription("Quillon, the barcode label maker");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"data-dir", "Keep the options file and the picture table in DIR.", "DIR"});
}

// --version answers before the window's application object exists, which needs a display. Qt's own
// options are still in the arguments here and count as unknown, so only the answer is read, not
// the parse's verdict; the full check follows once the application is up.
bool AsksForVersion(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    DeclareOptions(parser);
    (void)parser.parse(arguments);
    return parser.isSet("version");
}

// --data-dir DIR overrides the application data directory; the program takes no other argument.
QString DataDirectory(const QApplication& app)
{
    QCommandLineParser parser;
    DeclareOptions(parser);
    parser.process(app);
    return parser.isSet("data-dir") ? parser.value("data-dir") : quillon::DefaultDataDirectory();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationVersion(QUILLON_VERSION);
    if (AsksForVersion(argc, argv)) {
        std::cout << "quillon " << QUILLON_VERSION << '\n';
        return 0;
    }
    quillon::TQuillonApplication app(argc, argv);
    quillon::RegisterFontSubstitutions();

    quillon::TPrintBarForm printForm; // never shown: it only holds the sheet's report
    quillon::TBarForm barForm(printForm, DataDirectory(app));
    barForm.show();
    return app.exec();
}
