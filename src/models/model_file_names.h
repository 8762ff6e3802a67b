#pragma once

// The fixed names under which the model programs find their inputs and leave
// their outputs in their working folder.
namespace forecast::models::names {

inline constexpr const char* kEmpalCard = "EMPAL.CRD";
inline constexpr const char* kDramCard = "DRAM.CRD";
inline constexpr const char* kAtrmodCard = "ATRMOD.CRD";
inline constexpr const char* kStartEmployment = "DRMEMP.BIN";
inline constexpr const char* kStartHouseholds = "DRMDAT.BIN";
inline constexpr const char* kImpedances = "IMPD.BIN";
inline constexpr const char* kImpedanceText = "IMPD.TXT";
inline constexpr const char* kImpedanceStatistics = "impsetout.txt";
inline constexpr const char* kEmploymentForecast = "EMPFCST.BIN";
inline constexpr const char* kHouseholdForecast = "DRMFCST.BIN";
inline constexpr const char* kEmploymentForecastText = "EMPFCST.TXT";
inline constexpr const char* kHouseholdForecastText = "DRMFCST.TXT";
inline constexpr const char* kEmpalReport = "EMPAL.OUT";
inline constexpr const char* kDramReport = "DRAM.OUT";
inline constexpr const char* kAtrmodReport = "ATRMOD.OUT";

}  // namespace forecast::models::names
