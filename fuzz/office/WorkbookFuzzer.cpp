// Feeds arbitrary bytes to the workbook reader as an archive. Besides memory errors it
// checks that the text it makes stays below the limit and that a failed read adds nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "office/Workbook.h"

namespace {

// Small, so that the inflation and amplification limits are reached within a run.
constexpr std::size_t kMaxLength = 256 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string text;
  const int result = vorla::ReadWorkbookBytes(bytes, text, kMaxLength);
  if (text.size() >= kMaxLength || (result != 0 && !text.empty())) __builtin_trap();
  return 0;
}
