#include "translation/ClipboardTranslation.h"

#include <string>
#include <utility>

#include "common/Bilingual.h"

namespace vorla {

namespace {

constexpr BilingualText kNoClipboardText{"No clipboard text available!",
                                         "Leikepöydässä ei ole tekstiä!"};

}  // namespace

ClipboardTranslation::ClipboardTranslation(RefPtr<CWindowsTranslator> translator,
                                           std::shared_ptr<Clipboard> clipboard,
                                           NoTextReport report)
    : translator_(std::move(translator)),
      clipboard_(std::move(clipboard)),
      report_(std::move(report)) {
  if (!report_) {
    report_ = [config = RefPtr<Config>(&translator_->GetConfig())](std::string_view message) {
      config->ShowMessage(message, {}, {.icon = MessageIcon::Information});
    };
  }
}

std::optional<ClipboardText> ClipboardTranslation::GetClipboardText() {
  const ClipboardReadOptions options{
      .autoRemoveFormatting = translator_->Preferences().autoRemoveFormatting,
      .furtherPair = translator_->State().IsFurtherPair(),
      .maxCharacters =
          static_cast<std::size_t>(translator_->GetConfig().limits.max_translation_len),
  };
  return vorla::GetClipboardText(*clipboard_, options);
}

RefPtr<WindowsTranslationInstance> ClipboardTranslation::TranslateClipboard(bool reportEmpty) {
  std::optional<ClipboardText> text = GetClipboardText();
  if (!text) {
    if (reportEmpty) report_(kNoClipboardText.In(translator_->GetConfig().GetUiLanguage()));
    return nullptr;
  }
  return Translate(std::move(*text));
}

RefPtr<WindowsTranslationInstance> ClipboardTranslation::Translate(ClipboardText text) {
  TranslationOrder order;
  order.text = std::move(text.bytes);
  order.format = text.format;
  order.clipboardMode = true;
  order.showPleaseWait = false;
  return translator_->StartTranslation(std::move(order));
}

void ClipboardTranslation::OnClipboardChanged() {
  if (!AutoTranslate()) return;
  std::optional<ClipboardText> text = GetClipboardText();
  if (!text) {
    translator_->SetSavedClipboardText({});
    return;
  }
  if (*text == translator_->SavedClipboardText()) return;
  translator_->SetSavedClipboardText(*text);
  Translate(std::move(*text));
}

bool ClipboardTranslation::AutoTranslate() const {
  return translator_->Preferences().autoTranslateClipboard;
}

void ClipboardTranslation::ToggleAutoTranslate() {
  translator_->SetAutoTranslateClipboard(!AutoTranslate());
}

}  // namespace vorla
