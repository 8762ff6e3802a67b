#pragma once

#include "core/session_state.h"

#include <string>

namespace forecast::impedance {

// Entering the chain: the first file is current and the base-year files are
// to be backed up when it is picked up.
void StartImpedanceChain(SessionState& session);

// Files the converted DATA\IMPD.BIN of the current year for the current run,
// in DATA and in the model programs' working folder. Nothing is filed when
// there is no converted file or no year. False, after which kFilingFailedMessage is
// shown, when a copy fails.
bool FileConvertedImpedance(const SessionState& session);

inline constexpr const char* kFilingFailedMessage = "There is an error when executing IMPD.exe. Please exit VORAN.";

// Copies the backups of the base-year files back over DATA\IMPD.TXT and
// DATA\IMPD.BIN, each only when its backup exists. False when a copy fails.
bool RestoreBaseYearImpedance(const std::filesystem::path& appFolder);

// After a file has been checked: the next file becomes current, or the chain
// ends with the base-year files restored. When they cannot be restored the
// chain stays at its last file, so the user can try again.
enum class ChainStep { NextFile, Finished, RestoreFailed };
ChainStep AdvanceImpedanceChain(SessionState& session);

inline constexpr const char* kRestoreFailedMessage =
    "The base-year impedance files could not be copied back from IMPD_ORIG.TXT and IMPD_ORIG.BIN in the DATA "
    "folder. Please check that folder and press Continue again.";

}  // namespace forecast::impedance
