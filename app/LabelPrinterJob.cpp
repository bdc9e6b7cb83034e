#include "app/LabelPrinterJob.h"

#include <QBuffer>
#include <algorithm>
#include <exception>
#include <iterator>
#include <memory>

#include "label/proof/PrintCheck.h"
#include "label/proof/PrintedPdf.h"
#include "label/render/LabelPdf.h"
#include "label/sheet/PrintBarForm.h"
#include "label/sheet/SheetRun.h"
#include "report/PdfOutput.h"

namespace quillon {

namespace {

constexpr TSettingKey kPrinterKey{.Section = "label printer", .Name = "printer"};
constexpr TSettingKey kSpeaksKey{.Section = "label printer", .Name = "speaks"};
constexpr TSettingKey kDpiKey{.Section = "label printer", .Name = "dpi"};
constexpr TSettingKey kStockKey{.Section = "label printer", .Name = "stock"};
constexpr std::string_view kSpeaksNames[] = {"zpl", "pdf"}; // by TPrinterSpeaks

// A label that stops the job before anything is sent.
struct TRefusal {
    TLabelJobRow Row;
    TLabelMessage Reason;
};

// A row's label composed for the roll's label at the printer's dots, on a copy of the deck's barcode.
TComposedLabel ComposeRow(const TLabelJobRequest& request, const TLabelJobRow& row, TBarcode& barcode)
{
    barcode = request.Barcode;
    try {
        TComposedLabel label = ComposeLabelFor(barcode, request.Compose, row.Code, row.Captions);
        if (!label.Fit.Fits)
            throw TRefusal{.Row = row, .Reason = label.Fit.Message}; // larger than the roll's label
        return label;
    } catch (const TRefusal&) {
        throw;
    } catch (const std::exception& e) { // the engine's or libzint's refusal, in its own words
        throw TRefusal{.Row = row, .Reason = {TMessageCode::Said, {e.what()}}};
    }
}

// One ^XA..^XZ block a row, each read back from the block written before it joins the job.
std::string MakeZplJob(const TLabelJobRequest& request, TLabelJobOutcome& outcome)
{
    std::string job = ZplFileHead(request.Zpl);
    for (const TLabelJobRow& row : request.Rows) {
        TBarcode barcode;
        const TComposedLabel label = ComposeRow(request, row, barcode);
        const TZplBlock block = MakeZplBlock({.Drawing = label.Drawing.get(),
                                              .Barcode = &barcode,
                                              .Symbol = label.Symbol.get(),
                                              .KindName = request.KindName},
                                             request.Media, request.Zpl, row.Copies, TBlockProof::Read);
        if (!block.Failure.Empty())
            throw TRefusal{.Row = row, .Reason = block.Failure};
        job += block.Zpl;
        ++outcome.Labels;
        outcome.Prints += static_cast<std::uint64_t>(row.Copies);
    }
    return job;
}

// The roll as a PDF, a page the label's size for each print, by the lean label writer with bars on the
// printer's dots (the painter's PDF only for a font without outlines).
std::string RollPdf(const TPreparedReport& sheet, const TSheetLabels& labels, int dpi)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    try {
        TLabelPdf pdf(buffer, sheet);
        for (std::size_t page = 0; page < sheet.Pages.size(); ++page)
            pdf.Add(sheet, page, labels, dpi);
        pdf.Finish();
    } catch (const TFontWithoutOutlines&) {
        buffer.setData(PdfBytes(sheet, {}, LabelDrawer(labels, dpi)));
    }
    return buffer.data().toStdString();
}

// Every page read back from the PDF's own bytes at the printer's dots.
void ProveRollPdf(const std::string& bytes, const TPreparedReport& sheet, const TSheetLabels& labels,
                  const std::vector<TScanExpectation>& expected,
                  const std::vector<const TLabelJobRow*>& rowOf, int dpi)
{
    const TPrintedPdf pdf(bytes);
    std::vector<std::unique_ptr<TPrintedPdfPage>> pages;
    std::vector<const TPrintedPdfPage*> shown;
    for (std::size_t page = 0; page < pdf.Pages(); ++page) {
        pages.push_back(pdf.Page(page, dpi));
        shown.push_back(pages.back().get());
    }
    const TSheetVerification verified = VerifyWrittenSheet(sheet, labels, expected, dpi, shown);
    if (!verified.Failures.empty()) {
        const TCellFailure& failure = verified.Failures.front();
        throw TRefusal{.Row = *rowOf.at(static_cast<std::size_t>(failure.Row)), .Reason = failure.Reason};
    }
}

// A page for every print: a row's copies are pages of one drawing.
std::string MakePdfJob(const TLabelJobRequest& request, TLabelJobOutcome& outcome)
{
    TSheetLabels labels;
    std::vector<TScanExpectation> expected;
    std::vector<const TLabelJobRow*> rowOf;
    for (const TLabelJobRow& row : request.Rows) {
        TBarcode barcode;
        const TComposedLabel label = ComposeRow(request, row, barcode);
        for (int copy = 0; copy < row.Copies; ++copy) {
            labels.push_back(label.Drawing);
            expected.push_back(label.Expected);
            rowOf.push_back(&row);
        }
        ++outcome.Labels;
        outcome.Prints += static_cast<std::uint64_t>(row.Copies);
    }
    TPrintBarForm form;
    ApplySheetSettings(form, request.RollSheet);
    const TPreparedReport sheet = PrepareSheet(form, static_cast<int>(labels.size()));
    std::string bytes = RollPdf(sheet, labels, request.Zpl.Dpi);
    ProveRollPdf(bytes, sheet, labels, expected, rowOf, request.Zpl.Dpi);
    return bytes;
}

void Send(const TLabelJobRequest& request, const std::string& job)
{
    if (NamesRawPort(request.Printer)) {
        if (request.Speaks != TPrinterSpeaks::Zpl)
            throw PrintFailure(TSendFault::Refused, request.Printer, "a raw port takes ZPL",
                               "a raw port takes ZPL; nothing was sent");
        RawPrinterAddress address;
        try {
            address = ParseRawPrinterAddress(request.Printer);
        } catch (const std::invalid_argument& e) {
            throw PrintFailure(TSendFault::UnknownPrinter, request.Printer, e.what(), e.what());
        }
        SendRaw(address, job, request.Timeout);
        return;
    }
    SendCups(request.Printer, job,
             request.Speaks == TPrinterSpeaks::Zpl ? PrintDocument::RawZpl : PrintDocument::Pdf,
             request.Title, request.Timeout);
}

} // namespace

TLabelPrinterChoice LabelPrinterChoiceOf(const TSettings& settings)
{
    TLabelPrinterChoice choice;
    choice.Printer = settings.Value(kPrinterKey).value_or(std::string());
    if (const auto speaks = settings.Value(kSpeaksKey))
        for (std::size_t i = 0; i < std::size(kSpeaksNames); ++i)
            if (*speaks == kSpeaksNames[i])
                choice.Speaks = static_cast<TPrinterSpeaks>(i);
    if (const auto dpi = settings.Value(kDpiKey))
        for (const int each : kLabelPrinterDpis)
            if (*dpi == std::to_string(each))
                choice.Dpi = each;
    choice.StockId = settings.Value(kStockKey).value_or(std::string());
    return choice;
}

void KeepLabelPrinterChoice(TSettings& settings, const TLabelPrinterChoice& choice)
{
    settings.Set(kPrinterKey, choice.Printer);
    settings.Set(kSpeaksKey, std::string(kSpeaksNames[static_cast<std::size_t>(choice.Speaks)]));
    settings.Set(kDpiKey, std::to_string(choice.Dpi));
    settings.Set(kStockKey, choice.StockId);
}

bool IsRollStock(const TLabelStock& stock)
{
    return stock.Geometry.Media != TStockMedia::Sheet;
}

TLabelJobOutcome MakeAndSendLabelJob(const TLabelJobRequest& request)
{
    TLabelJobOutcome outcome;
    std::string job;
    try {
        job = request.Speaks == TPrinterSpeaks::Zpl ? MakeZplJob(request, outcome)
                                                    : MakePdfJob(request, outcome);
    } catch (TRefusal& refusal) {
        return {.Status = TLabelJobStatus::Refused, .Row = std::move(refusal.Row), .Reason = refusal.Reason};
    } catch (const std::exception& e) { // a drawing or a file that could not be made: nothing is sent
        return {.Status = TLabelJobStatus::Refused, .Reason = {TMessageCode::Said, {e.what()}}};
    }
    outcome.Timeout = request.Timeout;
    try {
        Send(request, job);
    } catch (const PrintFailure& failure) {
        outcome.Status = failure.NothingSent() ? TLabelJobStatus::NotSent : TLabelJobStatus::Incomplete;
        outcome.Fault = failure.Fault();
        outcome.Printer = failure.Printer();
        outcome.Detail = failure.Detail();
    }
    return outcome;
}

void RunLabelJob(QPromise<TLabelJobOutcome>& promise, const TLabelJobRequest& request)
{
    promise.addResult(MakeAndSendLabelJob(request));
}

} // namespace quillon
