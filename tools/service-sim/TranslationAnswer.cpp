#include "TranslationAnswer.h"

#include "ServiceCodes.h"
#include "SimRequest.h"

namespace vorla::sim {

namespace {

constexpr std::size_t kUnusedResultIdBytes = kResultIdBlockSize - 2;

std::int32_t LengthOf(const std::string& bytes) {
  return static_cast<std::int32_t>(bytes.size());
}

}  // namespace

std::string TranslationStatus(std::int32_t status, std::int32_t source, std::int32_t target) {
  return Int32s({status, source, target, 0});
}

std::string InsufficientBalance(std::int32_t shortfall, std::int32_t accountType,
                                std::int32_t quota) {
  return Int32s({status::kInsufficientBalance, shortfall, accountType, quota});
}

std::string TranslationResult(std::int32_t source, std::int32_t target, const std::string& payload,
                              const std::optional<std::string>& secondPart) {
  std::string answer = Int32s({0, source, target, LengthOf(payload)}) + payload;
  if (secondPart) answer += Int32s({LengthOf(*secondPart)}) + *secondPart;
  return answer;
}

std::string ResultIdResult(std::int32_t source, std::int32_t target, bool document,
                           std::int32_t targetFormat, const std::string& payload) {
  std::string answer = Int32s({0, source, target, LengthOf(payload)});
  answer.push_back(document ? '\x01' : '\x00');
  answer.push_back(static_cast<char>(targetFormat));
  answer.append(kUnusedResultIdBytes, '\0');
  return answer + payload;
}

}  // namespace vorla::sim
