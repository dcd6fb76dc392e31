#pragma once

#include <string>

namespace vorla {

// Numbers in texts look the same under every locale: the decimal point is always ".".

// As "%.<decimals>f".
std::string FormatFixed(double value, int decimals);
// As "%f" with trailing zeros and then a trailing point removed (12.5, 100).
std::string FormatTrimmed(double value);

}  // namespace vorla
