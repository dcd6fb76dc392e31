#pragma once

#include "common/Bilingual.h"

namespace vorla {

// Result codes of a job (`error`); the service and the client's own checks set them.
inline constexpr int kResultServerError = 1;
inline constexpr int kResultConnectionError = 2;
inline constexpr int kResultOutOfMemory = 4;
inline constexpr int kResultSourceInvalid = 5;  // also an address or text that cannot be sent
inline constexpr int kResultSourceTooLong = 6;
inline constexpr int kResultAddressRefused = 7;
inline constexpr int kResultResultDamaged = 8;
inline constexpr int kResultResultTooLong = 9;
inline constexpr int kResultInterrupted = 10;
inline constexpr int kResultNotLoggedIn = 15;  // or the session expired
inline constexpr int kResultFormatNotSupported = 16;
inline constexpr int kResultPdfProtected = 18;
inline constexpr int kResultBalanceInsufficient = 19;
inline constexpr int kResultCancelled = 21;
inline constexpr int kResultPdfWithoutText = 27;

// The text of a result code. Codes without a text of their own (0, 20, 25 and any code
// outside 1 to 33) have the text of code 1.
BilingualText ResultCodeText(int code);

}  // namespace vorla
