// Each printer's calibration in the settings file: a section per printer name with its offsets in
// millimetres and its scales in percent. Plain C++.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "data/SettingsFile.h"
#include "report/Calibration.h"

namespace quillon {

// Printer name (UTF-8) to its correction.
using TPrinterCalibrations = std::map<std::string, TCalibration>;

// Every printer section of the settings. A value that is not a number inside its range counts as
// 0 and is named in `problems` ("calibration:Office Laser offset_x_mm: 12 is not a number from -10
// to 10"). Values are rounded to the tenth that the controls step in.
TPrinterCalibrations ReadCalibrations(const TSettings& settings, std::vector<TLabelMessage>& problems);

// Writes one section per printer; a printer without a name (no printer at all) is not kept.
void WriteCalibrations(TSettings& settings, const TPrinterCalibrations& calibrations);

// The printer's correction; none for a printer that has none.
TCalibration CalibrationOf(const TPrinterCalibrations& calibrations, std::string_view printer);

// A value to the tenth, as typed in steps of 0.1.
double ToTenth(double value);

} // namespace quillon
