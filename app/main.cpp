// quillon: the label maker's window.
#include <QCommandLineParser>
#include <QFile>
#include <QStringList>
#include <iostream>
#include <optional>
#include <string_view>

#include "app/BarForm.h"
#include "app/QuillonApplication.h"
#include "data/Escape.h"
#include "data/OptionsFile.h"
#include "data/SafeFile.h"
#include "label/compose/FontSubstitutions.h"
#include "label/sheet/PrintBarForm.h"

namespace {

constexpr std::string_view kDataDirNames[] = {"--data-dir", "-data-dir"};
constexpr int kUsageStatus = 2;

// The program's own options. Qt's (-platform, -style, ...) are taken out by the application object,
// so a single dash starts a long name: "-reverse" must not read as "-r -e -v ...".
void DeclareOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription("Quillon, the barcode label maker");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"data-dir",
                      "Keep the options file and the picture table in DIR (by default "
                      "~/.local/share/Quillon/Quillon).",
                      "DIR"});
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

// The bytes of the last --data-dir value as they stand in argv: a folder name is bytes, and the
// parser's text of it may have lost some.
std::optional<std::string> DataDirBytes(int argc, char** argv)
{
    std::optional<std::string> value;
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        const std::string_view arg = argv[i];
        for (const std::string_view name : kDataDirNames) {
            if (arg == name && i + 1 < argc)
                value = argv[++i];
            else if (arg.starts_with(name) && arg.substr(name.size()).starts_with('='))
                value = arg.substr(name.size() + 1);
        }
    }
    return value;
}

// --data-dir DIR overrides the application data directory; the program takes no other argument.
// A name that the file name encoding cannot give back byte for byte is refused, never changed.
std::optional<QString> DataDirectory(const QApplication& app, int argc, char** argv)
{
    QCommandLineParser parser;
    DeclareOptions(parser);
    parser.process(app);
    if (!parser.isSet("data-dir")) {
        try {
            return quillon::DefaultDataDirectory();
        } catch (const std::exception& e) {
            std::cerr << "quillon: " << e.what() << "; name another folder with --data-dir\n";
            return std::nullopt;
        }
    }
    const std::string bytes = DataDirBytes(argc, argv).value_or(parser.value("data-dir").toStdString());
    if (!quillon::RepresentableFileName(bytes)) {
        std::cerr << "quillon: " << quillon::UnrepresentableFolderMessage("--data-dir", bytes) << '\n';
        return std::nullopt;
    }
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

} // namespace

int main(int argc, char** argv)
{
    // A file-size limit then fails a write with "File too large" instead of killing the window.
    quillon::IgnoreFileSizeSignal();
    QCoreApplication::setApplicationVersion(QUILLON_VERSION);
    if (AsksForVersion(argc, argv)) {
        std::cout << "quillon " << QUILLON_VERSION << '\n';
        return 0;
    }
    quillon::TQuillonApplication app(argc, argv);
    const std::optional<QString> dataDirectory = DataDirectory(app, argc, argv);
    if (!dataDirectory)
        return kUsageStatus;
    quillon::RegisterFontSubstitutions();

    quillon::TPrintBarForm printForm; // never shown: it only holds the sheet's report
    quillon::TBarForm barForm(printForm, *dataDirectory);
    barForm.show();
    return app.exec();
}
