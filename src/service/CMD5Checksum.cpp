#include "service/CMD5Checksum.h"

#include <openssl/evp.h>

#include <array>
#include <stdexcept>

namespace vorla {

std::string CMD5Checksum::HexDigest(std::string_view bytes) {
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned int length = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_md5(), nullptr) != 1) {
    throw std::runtime_error("MD5 is not available");
  }
  constexpr char kHexDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(length * 2);
  for (unsigned int i = 0; i < length; ++i) {
    hex += kHexDigits[digest[i] >> 4];
    hex += kHexDigits[digest[i] & 0xF];
  }
  return hex;
}

}  // namespace vorla
