// print: the job reaches a fake raw printer the test listens as, and a virtual IPP printer
// (ippeveprinter) the test starts, byte for byte what sheet writes, and reads back; the failures say
// which printer and send nothing. stocks --search and a tape's --length.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>

#include "label/send/PrinterAddress.h"
#include "tests/cli/RunCli.h"
#include "tests/support/FakeRawPrinter.h"
#include "tests/support/PdfRaster.h"
#include "tests/support/Rasterisers.h"
#include "tests/support/VirtualIppPrinter.h"
#include "tests/support/ZplRenderer.h"

namespace quillon::testing {
namespace {

using namespace std::chrono_literals;

std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The run has no user's home: CUPS's client.conf and glabels' own templates come from the test's.
std::string OwnHome(const std::string& home)
{
    return "HOME=" + ShellQuote(home) + " XDG_CONFIG_HOME=" + ShellQuote(home + "/.config") + " ";
}

class PrintCommand : public CliFiles {
protected:
    CliRun Run(const std::vector<std::string>& args) { return RunCli(args, OwnHome(Path(""))); }
};

// A roll of three serial labels as raw ZPL: the printer gets exactly what sheet -o writes, and every
// label reads back as an independent renderer prints it.
TEST_F(PrintCommand, RawPrinterGetsWhatSheetWrites)
{
    const std::vector<std::string> job = {"--format", "zpl",        "--dpi",      "203",
                                          "--stock",  "roll-57x32", "--layout",   "standard",
                                          "-k",       "Code128C",   "--sequence", "000001..000003"};
    const CliRun sheet = Run(Join({"sheet", "-o", Path("roll.zpl")}, job));
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    FakeRawPrinter printer;
    const CliRun print = Run(Join({"print", "--to", printer.Address()}, job));
    ASSERT_EQ(print.status, 0) << print.err;
    EXPECT_EQ(print.out, "");
    const std::string received = printer.Received();
    ASSERT_EQ(received, FileText(Path("roll.zpl")));
    Write("received.zpl", QByteArray::fromStdString(received));
    const ZplRendering rendering = RenderZpl(Path("received.zpl"), 203);
    ASSERT_EQ(rendering.error, "");
    std::vector<std::string> read;
    for (const QImage& label : rendering.labels) {
        const std::vector<TZxingReading> readings = ReadWithZxing(label);
        read.push_back(readings.empty() ? "" : readings.front().Text);
    }
    EXPECT_EQ(read, (std::vector<std::string>{"000001", "000002", "000003"}));
}

// Nothing listens: refused at once, the message names the printer, nothing was sent.
TEST_F(PrintCommand, RefusedConnectionNamesThePrinter)
{
    const std::string address = "127.0.0.1:" + std::to_string(ClosedPort());
    const CliRun run = Run({"print", "--to", address, "--format", "zpl", "--dpi", "203", "5901234123457"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "quillon-cli: cannot reach printer " + address + ": Connection refused; nothing was sent\n");
}

// A printer whose queue is full never answers: the run gives up after --timeout, naming it.
TEST_F(PrintCommand, SilentPrinterTimesOut)
{
    // The one connection the backlog holds, never accepted: the next one waits unanswered.
    LoopbackSocket full(0);
    const int filler = ConnectedTo(full.Port());
    ASSERT_GE(filler, 0);
    const CliRun run = Run({"print", "--to", full.Address(), "--timeout", "1", "--format", "zpl", "--dpi",
                            "203", "5901234123457"});
    ::close(filler);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "quillon-cli: cannot reach printer " + full.Address() +
                           ": no answer within 1 s; nothing was sent\n");
}

// A printer that stops taking data: the run gives up after --timeout, saying the job is incomplete.
TEST_F(PrintCommand, StalledPrinterLeavesTheJobIncomplete)
{
    const LoopbackSocket stalled(1, 2048); // connected, never read
    const CliRun run = Run({"print", "--to", stalled.Address(), "--timeout", "1", "--format", "zpl", "--zpl",
                            "graphic", "--dpi", "600", "--stock", "roll-102x152", "5901234123457"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("quillon-cli: printer " + stalled.Address() + " ", 0), 0U) << run.err;
    EXPECT_NE(run.err.find("1 s"), std::string::npos) << run.err;
    EXPECT_TRUE(run.err.ends_with("; the job is incomplete\n")) << run.err;
}

// A label that would not read is never sent: the fake printer gets no connection.
TEST_F(PrintCommand, LabelThatWouldNotReadIsNotSent)
{
    FakeRawPrinter printer;
    const CliRun run =
        Run({"print", "--to", printer.Address(), "--format", "zpl", "--dpi", "203", "5901234123458"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Check digit should be 7"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("quillon-cli: nothing was sent to " + printer.Address() + "\n"), std::string::npos)
        << run.err;
    EXPECT_EQ(printer.Received(), "");
}

TEST(PrinterAddress, Parses)
{
    struct Row {
        const char* text;
        const char* host;
        int port;
    };
    const Row rows[] = {{"printer.local", "printer.local", 9100},
                        {"10.0.0.7:6101", "10.0.0.7", 6101},
                        {"[::1]:9101", "::1", 9101},
                        {"[fe80::1]", "fe80::1", 9100}};
    for (const Row& row : rows) {
        const RawPrinterAddress address = ParseRawPrinterAddress(row.text);
        EXPECT_EQ(address.host, row.host) << row.text;
        EXPECT_EQ(address.port, row.port) << row.text;
    }
    EXPECT_EQ(ParseRawPrinterAddress("[::1]:9101").Name(), "[::1]:9101");
}

TEST(PrintCommandUsage, RefusesWhatItCannotSend)
{
    const std::string usage = "usage: quillon-cli print [options] --printer NAME|URI TEXT\n"
                              "       quillon-cli print [options] --format zpl --to HOST[:PORT] TEXT\n";
    const std::string one =
        "quillon-cli: print takes one of --printer NAME (CUPS) or --to HOST:PORT (raw ZPL)\n";
    ExpectFailures({
        {__LINE__, {"print", "123"}, 2, one + usage},
        {__LINE__, {"print", "--printer", "p", "--to", "h", "--format", "zpl", "123"}, 2, one + usage},
        {__LINE__,
         {"print", "--to", "h:9100", "123"},
         2,
         "quillon-cli: --to sends raw ZPL to a label printer's port: give --format zpl\n" + usage},
        {__LINE__,
         {"print", "--to", "h:0", "--format", "zpl", "123"},
         2,
         "quillon-cli: --to takes HOST or HOST:PORT (port 9100 by default): the port is a whole number from "
         "1 "
         "to 65535, not 'h:0'\n" +
             usage},
        {__LINE__,
         {"print", "--to", "::1", "--format", "zpl", "123"},
         2,
         "quillon-cli: --to takes HOST or HOST:PORT (port 9100 by default): write an IPv6 address in "
         "brackets, "
         "as [::1]:9100, not '::1'\n" +
             usage},
        {__LINE__,
         {"print", "--printer", "p", "-o", "x.pdf", "123"},
         2,
         "quillon-cli: --output is not an option of print\n" + usage},
    });
}

// Through CUPS to an IPP printer's URI: it keeps one PDF, a page of the roll's 57 x 32 mm label that
// reads back.
TEST_F(PrintCommand, IppPrinterGetsALabelSizedPage)
{
    for (const char* program : {"ippeveprinter", "dbus-daemon", "pdftoppm"})
        if (QStandardPaths::findExecutable(program).isEmpty())
            GTEST_SKIP() << program << " missing: run scripts/setup";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Path("spool"))));
    const int port = ClosedPort();
    VirtualIppPrinter printer(QString::fromStdString(Path("")), port);
    ASSERT_TRUE(printer.Ready()) << printer.Errors();
    const CliRun run = Run({"print", "--printer", "ipp://127.0.0.1:" + std::to_string(port) + "/ipp/print",
                            "--stock", "roll-57x32", "--layout", "standard", "-k", "Code128B", "Quillon-42"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SpooledLabelText(QString::fromStdString(Path("spool")), 57, 32, 300), "Quillon-42");
}

TEST_F(PrintCommand, UnknownPrinterIsNamed)
{
    const CliRun run = Run({"print", "--printer", "no-such-printer", "5901234123457"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("quillon-cli: unknown printer 'no-such-printer' (", 0), 0U) << run.err;
    EXPECT_NE(run.err.find("); nothing was sent\n"), std::string::npos) << run.err;
}

TEST_F(PrintCommand, StocksSearchFindsTheDymoRoll)
{
    if (!QDir("/usr/share/libglabels-3.0/templates").exists())
        GTEST_SKIP() << "glabels-data missing: run scripts/setup";
    const CliRun run = Run({"stocks", "--search", "11354"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nDymo-11354\tDymo 11354: Return Address Labels (32 x 57 mm, 1 x 1, roll)\n"),
              std::string::npos)
        << run.out;
}

// A tape's label is as long as --length says; --length beside any other stock is refused.
TEST_F(PrintCommand, TapeLengthSetsTheLabel)
{
    const CliRun run =
        Run({"sheet", "--stock", "tape-62", "--length", "40", "-o", Path("tape.pdf"), "5901234123457"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<QImage> pages = RenderPdf(QString::fromStdString(Path("tape.pdf")), 254);
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_NEAR(pages[0].width(), 620, 1.5); // 62 x 40 mm at 10 dots a millimetre
    EXPECT_NEAR(pages[0].height(), 400, 1.5);
    const CliRun refused =
        Run({"sheet", "--stock", "roll-57x32", "--length", "40", "-o", Path("r.pdf"), "1"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.rfind("quillon-cli: --length is for a tape stock (--stock tape-W), not label stock "
                                "roll-57x32\n",
                                0),
              0U)
        << refused.err;
}

} // namespace
} // namespace quillon::testing
