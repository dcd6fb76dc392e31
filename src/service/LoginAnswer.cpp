#include "service/LoginAnswer.h"

#include <string>

#include "translation/TranslatorState.h"

namespace vorla {

namespace {

enum Index : std::size_t {
  kUserId = 0,
  kFirstAccountValue = 1,
  kSecondAccountValue = 2,
  kMaxTranslationLength = 6,
  kMaxDictionaries = 7,
  kMaxDictionarySize = 8,
  kPairBits = 9,
  kTextTimeout = 11,
  kFileTimeout = 12,
  kAccountType = 13,
  kQuotaLeft = 14,
  kEngineVersion = 17,
  kEngineVersionValue = 18,
};

constexpr int kShortestTextTimeout = 60'000;
constexpr int kShortestFileTimeout = 180'000;
constexpr int kLongestTimeout = 3'600'000;

// The four bytes of the version as they came, "%d.%d.%d.%d".
std::string EngineVersionText(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return std::to_string(bits >> 24) + '.' + std::to_string((bits >> 16) & 0xFF) + '.' +
         std::to_string((bits >> 8) & 0xFF) + '.' + std::to_string(bits & 0xFF);
}

}  // namespace

void ApplyLoginAnswer(const LoginAnswerBlock& block, TranslatorState& state) {
  state.SetLoginValues(block[kUserId], {block[kFirstAccountValue], block[kSecondAccountValue]});

  Config& config = state.GetConfig();
  ServiceLimits& limits = config.limits;
  limits.max_translation_len = block[kMaxTranslationLength];
  limits.max_count = block[kMaxDictionaries];
  limits.max_size = block[kMaxDictionarySize];
  const int textTimeout = block[kTextTimeout];
  if (textTimeout >= kShortestTextTimeout && textTimeout <= kLongestTimeout) {
    limits.tr_request_timeout = textTimeout;
  }
  const int fileTimeout = block[kFileTimeout];
  if (fileTimeout >= kShortestFileTimeout && fileTimeout <= kLongestTimeout) {
    limits.filetr_request_timeout = fileTimeout;
  }

  state.SetAvailablePairs(block[kPairBits]);
  state.SetAccount(block[kAccountType], block[kQuotaLeft]);

  Settings& settings = config.settings();
  settings.WriteString("EnFiEngInf1", EngineVersionText(block[kEngineVersion]));
  settings.WriteInteger("EnFiEngInf2", block[kEngineVersionValue]);
}

}  // namespace vorla
