#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vorla {

// Text that its copies share instead of copying it: a font name or a link target held by
// every run in that font or link is stored once, however many runs a document has.
class SharedText {
 public:
  SharedText() = default;
  SharedText(std::string text)
      : text_(text.empty() ? nullptr : std::make_shared<const std::string>(std::move(text))) {}
  SharedText(std::string_view text) : SharedText(std::string(text)) {}
  SharedText(const char* text) : SharedText(std::string_view(text)) {}

  const std::string& str() const { return text_ ? *text_ : Empty(); }
  operator const std::string&() const { return str(); }
  bool empty() const { return text_ == nullptr; }
  void clear() { text_.reset(); }

  friend bool operator==(const SharedText& a, const SharedText& b) {
    return a.text_ == b.text_ || a.str() == b.str();
  }

 private:
  static const std::string& Empty() {
    static const std::string empty;
    return empty;
  }

  std::shared_ptr<const std::string> text_;  // null for the empty text
};

}  // namespace vorla
