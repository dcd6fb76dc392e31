#pragma once

#include <string>
#include <string_view>

namespace vorla {

// The MD5 digest of a password as the service compares it: 32 lower-case hexadecimal
// digits, two for each byte.
class CMD5Checksum {
 public:
  static std::string HexDigest(std::string_view bytes);
};

}  // namespace vorla
