#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// What `getaccountinfo` tells about the user's account. Texts are Windows-1252.
struct AccountInfo {
  std::string userName;
  std::string firstName;
  std::string lastName;
  std::string company;
  int accountType = 0;
  int quotaLeft = 0;
};

// The account text: fields each ended by the byte 0x01 - user name (under 64 bytes), first
// name, last name, company (each under 128), six numbers the client does not use, account
// type and quota left (each number under 16). Nothing when a field lacks its end byte or
// passes its limit.
std::optional<AccountInfo> ParseAccountInfo(std::string_view text);

}  // namespace vorla
