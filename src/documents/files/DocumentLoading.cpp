#include "documents/files/DocumentLoading.h"

#include <filesystem>

#include "common/Bilingual.h"
#include "common/CodePages.h"
#include "common/Windows1252.h"
#include "documents/files/DocumentFileReading.h"
#include "documents/files/DocumentTypes.h"
#include "documents/files/FileMessages.h"
#include "translation/DocumentFormat.h"

namespace vorla {

namespace {

// An extension at least this long is not quoted in the refusal of "Translate file...".
constexpr std::size_t kQuotedExtensionLimit = 8;
constexpr int kAccountTypeCounted1 = 3;
constexpr int kAccountTypeCounted2 = 4;

// The text from the last "." of the path's file name on (dot included); empty without one.
std::string_view DottedExtension(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\");
  const std::string_view name =
      separator == std::string_view::npos ? path : path.substr(separator + 1);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

void Refuse(FileCommandHost& host, const std::string& message, bool toStatusLine) {
  host.ShowStatus(toStatusLine ? std::string_view(message) : std::string_view());
  host.ShowMessage(message);
}

// Whether the mode takes a file of this type; the refusal has been shown when not.
bool Accepts(std::string_view path, int type, LoadMode mode, FileCommandHost& host,
             UiLanguage language) {
  if (IsTranslatableFormat(type)) return true;
  const std::string_view extension = DottedExtension(path);
  if (mode == LoadMode::Translate) {
    const std::string message = !extension.empty() && extension.size() < kQuotedExtensionLimit
                                    ? FormatMessage(kFormatNotTranslatable, language, extension)
                                    : FormatMessage(kFileFormatNotSupported, language, path);
    Refuse(host, message, true);
    return false;
  }
  if (extension.empty()) return true;
  Refuse(host, FormatMessage(kFormatNotLoadable, language, extension), false);
  return false;
}

}  // namespace

std::optional<LoadedDocument> LoadDocumentFile(std::string_view path, LoadMode mode,
                                               FileCommandHost& host, UiLanguage language) {
  if (path.empty()) return std::nullopt;
  const int type = FormatOfFileName(path);
  if (type == kFormatLnk) {
    host.ShowMessage(kInvalidShortcut.In(language));
    return std::nullopt;
  }
  host.ShowStatus(FormatMessage(kLoadingFile, language, path));
  if (!Accepts(path, type, mode, host, language)) return std::nullopt;

  DocumentRead read = ReadDocumentFile(std::filesystem::path(path));
  switch (read.status) {
    case DocumentReadStatus::Read:
      return LoadedDocument{std::string(path), type, std::move(read.bytes)};
    case DocumentReadStatus::TooBig:
      Refuse(host, FormatMessage(kFileTooBig, language, path), false);
      break;
    case DocumentReadStatus::CannotAccess:
      Refuse(host, FormatMessage(kCannotAccessFile, language, path), false);
      break;
    case DocumentReadStatus::Empty:
      Refuse(host, std::string(kFileEmpty.In(language)), false);
      break;
  }
  return std::nullopt;
}

PaneLoad PaneLoadOf(int type, bool wordAvailable) {
  switch (type) {
    case kFormatRtf:
      return PaneLoad::Rtf;
    case kFormatDoc:
    case kFormatDocx:
      return wordAvailable ? PaneLoad::Word : PaneLoad::OfferTranslation;
    case kFormatTxt:
    case kFormatXml:
    case kFormatUnknown:
      return PaneLoad::Text;
    default:
      return PaneLoad::OfferTranslation;
  }
}

std::string OfferTranslationQuestion(int type, UiLanguage language) {
  std::string upper(ExtensionOfFormat(type));
  for (char& c : upper)
    c = static_cast<char>(Cp1252ToUpper(static_cast<std::uint8_t>(c)));
  return FormatMessage(kFilesCannotBeDisplayed, language, upper) + " " +
         std::string(kTranslateFileHint.In(language)) + "\r\n\r\n" +
         std::string(kTranslateNowQuestion.In(language));
}

std::string CannotDisplayMessage(UiLanguage language) {
  return std::string(kCannotDisplayFile.In(language)) + " " +
         std::string(kTranslateFileHint.In(language));
}

std::string SourceLengthStatus(int accountType, std::int64_t paneCharacters, UiLanguage language) {
  const bool counted = accountType == kAccountTypeCounted1 || accountType == kAccountTypeCounted2;
  if (!counted || paneCharacters <= 0) return {};
  return FormatMessage(kSourceTextLength, language, std::to_string(paneCharacters));
}

PaneText PaneTextOf(std::string content) {
  UnmarkedText unmarked = RemoveByteOrderMark(std::move(content));
  if (unmarked.utf8 || LooksLikeUtf8(unmarked.bytes)) return {std::move(unmarked.bytes), false};
  return {CodePageToUtf8(kCodePageWindows1252, unmarked.bytes).value_or(""), true};
}

TextFileSource TextFileSourceOf(std::string content) {
  UnmarkedText unmarked = RemoveByteOrderMark(std::move(content));
  const bool utf8 = unmarked.utf8 || LooksLikeUtf8(unmarked.bytes);
  return {std::move(unmarked.bytes), utf8 ? kEncodingUtf8 : kEncodingNone};
}

}  // namespace vorla
