#pragma once

#include <string>

namespace vorla {

// Prepares text selected in the main window before an entry dialog opens with it: cleans
// source and translation, strips a leading "to", article or determiner from the source and,
// for a rule type (0: a word entry), splits the selection into source and context.
void PrepareSelectionText(std::string& source, std::string& translation, std::string& context,
                          int ruleType);

// White space becomes single blanks; carriage returns and soft hyphens go.
void CleanSelectedText(std::string& text);
// "a ", "an " or "the " (first letter in either case) in front of a long enough text.
void StripLeadingArticle(std::string& text);
// A leading possessive or demonstrative ("my ", ..., "those ") when text remains after it.
void StripLeadingDeterminer(std::string& text);

}  // namespace vorla
