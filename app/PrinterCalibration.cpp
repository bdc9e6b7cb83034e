#include "app/PrinterCalibration.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace quillon {

namespace {

// The four keys of a printer's section, each with the member it sets and its range.
struct TCalibrationField {
    std::string_view Key;
    double TCalibration::*Member = nullptr;
    double Limit = 0.0; // from -Limit to +Limit
};
constexpr TCalibrationField kFields[] = {
    {settingkeys::CalibrationOffsetXMm, &TCalibration::OffsetXMm, kMaxCalibrationOffsetMm},
    {settingkeys::CalibrationOffsetYMm, &TCalibration::OffsetYMm, kMaxCalibrationOffsetMm},
    {settingkeys::CalibrationScaleXPercent, &TCalibration::ScaleXPercent, kMaxCalibrationScalePercent},
    {settingkeys::CalibrationScaleYPercent, &TCalibration::ScaleYPercent, kMaxCalibrationScalePercent},
};

std::string Formatted(double value)
{
    char text[32] = {};
    std::snprintf(text, sizeof text, "%.1f", value == 0.0 ? 0.0 : value); // never "-0.0"
    return text;
}

std::string LimitText(double limit)
{
    char text[32] = {};
    std::snprintf(text, sizeof text, "%g", limit);
    return text;
}

// The number, when the whole text is one inside the field's range.
std::optional<double> FieldValue(const std::string& text, const TCalibrationField& field)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value) || std::fabs(value) > field.Limit)
        return std::nullopt;
    return value;
}

} // namespace

double ToTenth(double value)
{
    const double tenth = std::round(value * 10.0) / 10.0;
    return tenth == 0.0 ? 0.0 : tenth;
}

TPrinterCalibrations ReadCalibrations(const TSettings& settings, std::vector<TLabelMessage>& problems)
{
    TPrinterCalibrations calibrations;
    for (const TSettingEntry& entry : settings.Entries()) {
        if (!entry.Section.starts_with(settingkeys::CalibrationSectionPrefix))
            continue;
        const std::string printer = entry.Section.substr(settingkeys::CalibrationSectionPrefix.size());
        TCalibration& calibration = calibrations[printer];
        for (const TCalibrationField& field : kFields) {
            if (entry.Name != field.Key)
                continue;
            if (const std::optional<double> value = FieldValue(entry.Value, field))
                calibration.*field.Member = ToTenth(*value);
            else
                problems.push_back({TMessageCode::CalibrationNotNumber,
                                    {entry.Section, entry.Name, entry.Value, LimitText(field.Limit)}});
        }
    }
    return calibrations;
}

void WriteCalibrations(TSettings& settings, const TPrinterCalibrations& calibrations)
{
    for (const auto& [printer, calibration] : calibrations) {
        if (printer.empty())
            continue;
        const std::string section = std::string(settingkeys::CalibrationSectionPrefix) + printer;
        for (const TCalibrationField& field : kFields)
            settings.Set({.Section = section, .Name = field.Key}, Formatted(calibration.*field.Member));
    }
}

TCalibration CalibrationOf(const TPrinterCalibrations& calibrations, std::string_view printer)
{
    const auto found = calibrations.find(std::string(printer));
    return found == calibrations.end() ? TCalibration{} : found->second;
}

} // namespace quillon
