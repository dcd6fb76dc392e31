// `getlexinfo`: the lexicon lists of the logged-in user.
#include "service/FramedExchange.h"

namespace vorla {

namespace {

constexpr std::int32_t kLexInfoTimeoutMs = 20'000;
constexpr int kBothEnglishFinnishDirections = 3;
constexpr int kAllLexiconTypes = 2;
constexpr int kLexiconTypeCount = 3;

}  // namespace

std::int32_t ServiceClient::RequestLexiconInfo(std::string& lists) {
  const std::string body =
      "cmd=getlexinfo&p=7&lanpairs=" + std::to_string(kBothEnglishFinnishDirections) +
      "&voctype=" + std::to_string(kAllLexiconTypes) +
      "&nvoctype=" + std::to_string(kLexiconTypeCount) + "&pid=" + std::to_string(ProductId()) +
      "&uid=" + std::to_string(UserId());
  const LengthLimit limit{MaxLexInfoLength(), LengthLimit::Refuse::AtOrAbove};
  return PostFramed(*this, body, kLexInfoTimeoutMs, &limit, &lists);
}

}  // namespace vorla
