#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "inputs/demo_region.h"

namespace forecast::models {

// The forecast years (at most two) for which the demo region has impedance
// files of a new ring road: the northern half opens first, the full ring later.
std::vector<int> DemoImpedanceYears(const forecast::inputs::DemoRegion& region);

// Writes what the suite's other units leave for the forecast of the demo
// region, below the application folder:
//  - VORAN_SYS/CALIB/DATA/DRMEMP.BIN and DRMDAT.BIN: the base year;
//  - VORAN_SYS/CALIB/emprese<k>.txt and drmresh<k>.txt: calibration residuals;
//  - DATA/IMPD.TXT, DATA/IMPD.BIN and DATA/impsetout.txt: base-year impedances;
//  - DATA/IMPD<yy>.TXT for the years of DemoImpedanceYears, where the
//    impedance pages pick a planner's files up, and beside each
//    DATA/IMPD<yy>_control_values.txt with the values the travel model gives
//    for the check.
// Returns false with the reason in *error when a file cannot be written.
bool WriteDemoModelData(const std::filesystem::path& appFolder, const forecast::inputs::DemoRegion& region, std::string* error);

}  // namespace forecast::models
