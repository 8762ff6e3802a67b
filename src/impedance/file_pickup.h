#pragma once

#include "core/session_state.h"

#include <string>

namespace forecast::impedance {

// How the look for the user's impedance file ended.
struct PickUpOutcome {
  enum class Kind {
    Found,         // the file is now DATA\IMPD.TXT: on to the conversion
    Troubleshoot,  // show the message, then the troubleshooting page
    NotFound,      // show the message and stay
  };
  Kind kind = Kind::Found;
  std::string message;  // title kTroubleshootTitle
};

inline constexpr const char* kTroubleshootTitle = "Troubleshoot";

// "Error! I'm Sorry, but ZANT II is unable to locate your2015 file."
std::string UnableToLocateMessage(int year);

// Backs up the base-year files on the first file of the chain, then copies
// the user's file of the current year to DATA\IMPD.TXT.
PickUpOutcome PickUpImpedanceFile(SessionState& session);

// Copies DATA\IMPD.TXT and DATA\IMPD.BIN to their backups. When backups exist
// and IMPD.TXT holds one of the current run's forecast-year files, a chain was
// left unfinished and the backups still hold the base year: they are kept.
bool BackUpBaseYearImpedance(const SessionState& session);

}  // namespace forecast::impedance
