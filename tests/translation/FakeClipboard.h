#pragma once

#include <optional>
#include <string>

#include "translation/Clipboard.h"

namespace vorla::test {

// A clipboard in memory; setting one kind of contents drops the other, as copying does.
class FakeClipboard final : public Clipboard {
 public:
  std::optional<std::string> GetRtf() override { return rtf; }
  std::optional<std::string> GetText() override { return text; }
  void SetRtf(std::string_view value, int codePage) override {
    rtf = std::string(value);
    rtfCodePage = codePage;
    text.reset();
  }
  void SetText(std::string_view value) override {
    text = std::string(value);
    rtf.reset();
  }

  std::optional<std::string> rtf;
  int rtfCodePage = 0;
  std::optional<std::string> text;
};

}  // namespace vorla::test
