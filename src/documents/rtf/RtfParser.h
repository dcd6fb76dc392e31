#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/CodePages.h"
#include "documents/rtf/RichDocument.h"
#include "documents/rtf/RtfControlWords.h"
#include "documents/rtf/RtfGroupState.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfTables.h"
#include "documents/rtf/RtfTextCollector.h"
#include "documents/rtf/RtfTokenizer.h"

namespace vorla {

// One reading of an RTF stream: a loop over its tokens with a stack of group states, no
// recursion. The control words are applied in RtfParserWords.cpp.
class RtfParser {
 public:
  RtfParser(std::string_view rtf, const RtfReadOptions& options)
      : input_(rtf), tokenizer_(rtf), options_(options), room_(options.maxCharacters) {}

  RichDocument Parse();

 private:
  RtfGroupState& State() { return groups_.back(); }

  void OpenGroup();
  void CloseGroup();
  void SkipRestOfGroup();
  void Finish();

  void HandleWord(const RtfToken& token);
  void ApplyWord(const RtfWordInfo& info, const RtfToken& token);
  void HandleSymbol(char symbol);
  void HandleText(std::string_view text);
  void HandleByte(std::uint8_t byte);
  bool SkippedAsFallback();
  void HandleUnicode(const RtfToken& token);
  void AddCharacter(char32_t c);

  void BeginContent();
  void FlushText();
  void TakeParagraphFormat();
  void ParagraphMark();
  void EndParagraph();
  void StartParagraph();
  void AddCell();
  void EndRow();
  void StartFieldResult();
  void TakeObject(ObjectKind kind, std::size_t wordStart);
  // Takes one character of the text limit; false when none is left.
  bool TakeRoom();
  void AppendWithinLimit(std::string_view text);

  const RtfFont* CurrentFont(const RtfCharacterState& character) const;
  int FontCodePage() const;
  int RawTextCodePage() const;
  const CharacterFormat& CurrentFormat();

  std::string_view input_;
  RtfTokenizer tokenizer_;
  RtfReadOptions options_;
  RichDocument document_;
  std::vector<RtfGroupState> groups_{RtfGroupState{}};  // [0] holds what lies outside every group
  RtfTextCollector collector_;
  RtfFontTable fonts_;
  RtfColorTable colors_;
  // The fields by number and the link each makes, read once for all the runs of the field's
  // result: a field without an instruction costs these few bytes.
  struct Field {
    std::int32_t link = -1;  // in links_; none when negative
    bool read = false;       // the instruction has been read: the result has begun
  };
  std::vector<Field> fields_;
  std::vector<SharedText> links_;
  // The instructions of the fields whose result has not begun, as read so far.
  std::map<std::int32_t, std::string> instructions_;
  int documentCodePage_ = kCodePageWindows1252;
  std::size_t room_;  // characters the text limit still allows
  std::optional<std::int32_t> defaultFont_;
  std::int32_t fallbackToSkip_ = 0;
  bool ignorableDestination_ = false;  // after \*
  bool cellTabPending_ = false;
  bool paragraphBreakPending_ = false;
  bool paragraphFormatTaken_ = false;
  bool finished_ = false;
  // The format of the last text, rebuilt only when the character state or a table changes.
  RtfCharacterState formatState_;
  CharacterFormat format_;
  bool formatValid_ = false;
};

}  // namespace vorla
