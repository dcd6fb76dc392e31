#include "documents/rtf/RtfControlWords.h"

#include <unordered_map>

namespace vorla {

namespace {

constexpr auto kBaseline = static_cast<std::int32_t>(VerticalPosition::Baseline);
constexpr auto kSuperscript = static_cast<std::int32_t>(VerticalPosition::Superscript);
constexpr auto kSubscript = static_cast<std::int32_t>(VerticalPosition::Subscript);
constexpr auto kLeft = static_cast<std::int32_t>(ParagraphAlignment::Left);
constexpr auto kRight = static_cast<std::int32_t>(ParagraphAlignment::Right);
constexpr auto kCenter = static_cast<std::int32_t>(ParagraphAlignment::Center);
constexpr auto kJustify = static_cast<std::int32_t>(ParagraphAlignment::Justify);

}  // namespace

RtfWordInfo LookUpRtfWord(std::string_view word) {
  using enum RtfWord;
  static const std::unordered_map<std::string_view, RtfWordInfo> kWords = {
      {"rtf", {Known}},
      {"shppict", {Known}},
      {"ansi", {DocumentCodePage, 1252}},
      {"mac", {DocumentCodePage, 10000}},
      {"pc", {DocumentCodePage, 437}},
      {"pca", {DocumentCodePage, 850}},
      {"ansicpg", {DocumentCodePage}},
      {"deff", {DefaultFont}},
      {"fonttbl", {FontTable}},
      {"colortbl", {ColorTable}},
      {"f", {Font}},
      {"fcharset", {FontCharset}},
      {"cpg", {FontCodePage}},
      {"red", {ColorComponent, 0}},
      {"green", {ColorComponent, 1}},
      {"blue", {ColorComponent, 2}},
      // Destinations whose content is not part of the text.
      {"stylesheet", {SkipGroup}},
      {"info", {SkipGroup}},
      {"header", {SkipGroup}},
      {"headerl", {SkipGroup}},
      {"headerr", {SkipGroup}},
      {"headerf", {SkipGroup}},
      {"footer", {SkipGroup}},
      {"footerl", {SkipGroup}},
      {"footerr", {SkipGroup}},
      {"footerf", {SkipGroup}},
      {"footnote", {SkipGroup}},
      {"nonshppict", {SkipGroup}},
      {"listtable", {SkipGroup}},
      {"listoverridetable", {SkipGroup}},
      {"revtbl", {SkipGroup}},
      {"filetbl", {SkipGroup}},
      {"pgdsctbl", {SkipGroup}},
      {"pn", {SkipGroup}},
      {"xe", {SkipGroup}},
      {"tc", {SkipGroup}},
      {"tcn", {SkipGroup}},
      {"txe", {SkipGroup}},
      {"rxe", {SkipGroup}},
      {"private", {SkipGroup}},
      {"userprops", {SkipGroup}},
      {"field", {Field}},
      {"fldinst", {FieldInstruction}},
      {"fldrslt", {FieldResult}},
      {"pict", {Picture}},
      {"object", {Object}},
      {"plain", {Plain}},
      {"b", {Toggle, 0, &RtfCharacterState::bold}},
      {"i", {Toggle, 0, &RtfCharacterState::italic}},
      {"ul", {Toggle, 0, &RtfCharacterState::underline}},
      {"uld", {Toggle, 0, &RtfCharacterState::underline}},
      {"uldash", {Toggle, 0, &RtfCharacterState::underline}},
      {"uldashd", {Toggle, 0, &RtfCharacterState::underline}},
      {"uldashdd", {Toggle, 0, &RtfCharacterState::underline}},
      {"uldb", {Toggle, 0, &RtfCharacterState::underline}},
      {"ulth", {Toggle, 0, &RtfCharacterState::underline}},
      {"ulw", {Toggle, 0, &RtfCharacterState::underline}},
      {"ulwave", {Toggle, 0, &RtfCharacterState::underline}},
      {"ulnone", {UnderlineNone}},
      {"strike", {Toggle, 0, &RtfCharacterState::strikeOut}},
      {"striked", {Toggle, 0, &RtfCharacterState::strikeOut}},
      {"fs", {FontSize}},
      {"cf", {Color}},
      {"super", {Position, kSuperscript}},
      {"sub", {Position, kSubscript}},
      {"nosupersub", {Position, kBaseline}},
      {"up", {Position, kSuperscript}},
      {"dn", {Position, kSubscript}},
      {"v", {Toggle, 0, &RtfCharacterState::hidden}},
      {"pard", {ParagraphDefaults}},
      {"intbl", {InTable}},
      {"ql", {Alignment, kLeft}},
      {"qr", {Alignment, kRight}},
      {"qc", {Alignment, kCenter}},
      {"qj", {Alignment, kJustify}},
      {"qd", {Alignment, kJustify}},
      {"li", {Distance, 0, nullptr, &ParagraphFormat::leftIndent}},
      {"lin", {Distance, 0, nullptr, &ParagraphFormat::leftIndent}},
      {"ri", {Distance, 0, nullptr, &ParagraphFormat::rightIndent}},
      {"rin", {Distance, 0, nullptr, &ParagraphFormat::rightIndent}},
      {"fi", {Distance, 0, nullptr, &ParagraphFormat::firstLineIndent}},
      {"sb", {Distance, 0, nullptr, &ParagraphFormat::spaceBefore}},
      {"sa", {Distance, 0, nullptr, &ParagraphFormat::spaceAfter}},
      {"par", {Paragraph}},
      {"page", {Paragraph}},
      {"sect", {Paragraph}},
      {"column", {Paragraph}},
      {"line", {Character, kLineBreakCharacter}},
      {"tab", {Character, kTabCharacter}},
      {"cell", {Cell}},
      {"nestcell", {Cell}},
      {"row", {Row}},
      {"nestrow", {Row}},
      {"u", {Unicode}},
      {"uc", {UnicodeSkip}},
      {"lquote", {Character, 0x2018}},
      {"rquote", {Character, 0x2019}},
      {"ldblquote", {Character, 0x201C}},
      {"rdblquote", {Character, 0x201D}},
      {"bullet", {Character, 0x2022}},
      {"endash", {Character, 0x2013}},
      {"emdash", {Character, 0x2014}},
      {"enspace", {Character, 0x2002}},
      {"emspace", {Character, 0x2003}},
      {"qmspace", {Character, 0x2005}},
      {"zwj", {Character, 0x200D}},
      {"zwnj", {Character, 0x200C}},
      {"ltrmark", {Character, 0x200E}},
      {"rtlmark", {Character, 0x200F}},
  };
  const auto found = kWords.find(word);
  return found == kWords.end() ? RtfWordInfo{} : found->second;
}

}  // namespace vorla
