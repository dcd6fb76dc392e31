#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ServiceSimulator.h"
#include "SimClient.h"

namespace vorla::sim::test {

// The fields of a `tr` body as the client writes them, plain text English to Finnish by
// default; srctxt holds the raw bytes.
struct TrBody {
  std::uint32_t trflags = 0x2000000;
  std::uint32_t trflagsext = 0x800;
  std::optional<int> enc{};
  int srcformat = 1;
  int srclan = 0;
  int tgtlan = 1;
  std::string srctxt{};
  std::optional<int> tgtformat{};  // srcformat when not given
  int formating = 0;

  std::string Text() const;
};

// A `tr` answer in normal mode, taken apart.
struct TrReply {
  std::int32_t status = 0;
  std::int32_t source = 0;
  std::int32_t target = 0;
  std::string payload;
  std::optional<std::string> secondPart;
};

// Reads the header, the payload of its length and, when expected, the second part; every
// byte of the body must be accounted for.
TrReply ParseTr(std::string_view body, bool withSecondPart = false);

// The simulator with the account and translation commands, the demo account, the
// price-test accounts and a session of the demo account.
class TranslationCommandsTest : public testing::Test {
 protected:
  TranslationCommandsTest();

  // A new session of the user, as the Cookie header sends it back.
  std::string SessionOf(std::string_view user);
  HttpReply Post(const std::string& body) { return Post(body, demo_); }
  HttpReply Post(const std::string& body, const std::string& cookie) {
    return PostForm(simulator_.url(), body, cookie);
  }
  TrReply Translate(const TrBody& body) { return ParseTr(Post(body.Text()).body); }

  ServiceSimulator simulator_{{}};
  std::string demo_;
};

}  // namespace vorla::sim::test
