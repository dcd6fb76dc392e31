#include "documents/files/SaveNames.h"

#include <filesystem>

#include "common/Bilingual.h"
#include "common/Utf8.h"
#include "common/Windows1252.h"
#include "documents/files/DocumentTypes.h"
#include "documents/files/FileMessages.h"
#include "translation/DocumentFormat.h"

namespace vorla {

namespace {

constexpr BilingualText kTranslationWord{" translation", " käännös"};
constexpr std::size_t kLongestSuggestedSource = 243;

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char c : utf8)
    count += IsUtf8ContinuationByte(c) ? 0 : 1;
  return count;
}

// The file-name part of a path: after its last "/" or "\".
std::string_view LastComponent(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string WithExtension(std::string_view path, int format) {
  return std::string(path) + "." + std::string(ExtensionOfFormat(format));
}

}  // namespace

std::string SuggestedResultName(std::string_view sourceName, int targetFormat,
                                UiLanguage language) {
  const std::string_view name = LastComponent(sourceName);
  const std::size_t length = CharacterCount(name);
  if (length < 1 || length > kLongestSuggestedSource) return std::string(name);
  const std::size_t dot = name.rfind('.');
  const std::string_view stem = dot == std::string_view::npos ? name : name.substr(0, dot);
  const std::string_view ownExtension =
      dot == std::string_view::npos ? std::string_view() : name.substr(dot);
  std::string suggested = std::string(stem) + std::string(kTranslationWord.In(language));
  const std::string_view targetExtension = ExtensionOfFormat(targetFormat);
  if (IsTranslatableFormat(targetFormat) && !ownExtension.empty() &&
      Cp1252CompareNoCase(ownExtension.substr(1), targetExtension) != 0) {
    return suggested + "." + std::string(targetExtension);
  }
  return suggested + std::string(ownExtension);
}

std::string CompletePaneSavePath(std::string_view path, int filterIndex, bool canSaveWord) {
  const int type = FormatOfFileName(LastComponent(path));
  int wanted = kFormatUnknown;
  if (filterIndex == 1) wanted = kFormatTxt;
  if (filterIndex == 2) wanted = kFormatRtf;
  if (canSaveWord && filterIndex == 3) wanted = kFormatDocx;
  if (canSaveWord && filterIndex == 4) wanted = kFormatDoc;
  if (wanted == kFormatUnknown || type == wanted) return std::string(path);
  return WithExtension(path, wanted);
}

std::string CompleteResultSavePath(std::string_view path, int targetFormat) {
  if (FormatOfFileName(LastComponent(path)) == targetFormat) return std::string(path);
  return WithExtension(path, targetFormat);
}

PaneSaveForm PaneSaveFormOf(int format, bool canSaveWord) {
  if (format == kFormatRtf) return PaneSaveForm::Rtf;
  if (format == kFormatDoc || format == kFormatDocx) {
    return canSaveWord ? PaneSaveForm::Word : PaneSaveForm::Refused;
  }
  if (format == kFormatTxt || !IsTranslatableFormat(format)) return PaneSaveForm::Text;
  return PaneSaveForm::Refused;
}

bool ConfirmCompletedPath(std::string_view chosen, std::string_view completed,
                          FileCommandHost& host, UiLanguage language) {
  if (chosen == completed) return true;
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::path(completed), error)) return true;
  return host.Ask(FormatMessage(kReplaceExisting, language, LastComponent(completed)));
}

}  // namespace vorla
