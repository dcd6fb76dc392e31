#pragma once

#include <span>

#include "SimCommand.h"
#include "SimContext.h"
#include "SimRequest.h"

namespace vorla::sim {

// `tr`: translates word by word with the built-in word list, a stand-in for the service's
// engine.
// - A request that breaks the protocol (DecodeTranslationRequest lists the rules) gets
//   HTTP 400 with the reason.
// - Otherwise, in this order: a status queued in context().translation (TranslationScript);
//   15 without a valid session; 5 for a compressed source that does not inflate; 24 for
//   term extraction (0x80000000); 28 or 23 for the language pair (ChoosePair); 16 for a
//   source that is neither plain text (srcformat 1) nor RTF (2). Each is 16 bytes: the
//   status, the languages asked for and 0; for 19: 19, the shortfall, the account type and
//   the quota.
// - A web page or online document (srcurl) is not fetched: its answer is the address tagged
//   with the target language, "[fi] https://...".
// - A dictionary lookup (0x200000) of a word the list knows is answered with its entry
//   (DictionaryEntry); any other source is translated as text (TextTranslator), plain text
//   in its own encoding, RTF as RTF (SourceDocument). Unknown words get "?" unless trflags
//   has 0x100. With 0x200 the direction is picked from the text (ChoosePair) and reported.
// - With 0x400 and a source the payload is a zlib stream, and the header's length its size.
// - The answer is status 0, the languages used, the payload's length and the payload; when
//   trflags asks for a second part (0x8000000, 0x40000000 or 0x80000000), a big-endian
//   count and that many bytes follow: the sentence alignment (EncodeAlignment) for
//   0x40000000, else none (count 0).
// - In result-id mode (rt=3, or ResultIdScript::always) the header is followed by the content
//   flag, the target format and 4 zero bytes, then the result id ("simresult000001", or
//   ResultIdScript::id), or with ResultIdScript::document the translated document.
SimAnswer TranslateText(const SimRequest& request, SimContext& context);

// `gettrprice`: a protocol break gets HTTP 400 with the reason (DecodePriceRequest). Then a
// queued status, 15 without a session, 5 for a compressed source that does not inflate and
// 16 for a source neither plain text nor RTF are answered as the status alone. Otherwise:
// status 0, the source's words (CountWords; RTF by its text; 0 for a web address), the price
// (PriceOf the account's type), 0, the account type and the account's quota.
SimAnswer QuotePrice(const SimRequest& request, SimContext& context);

// `tr`, `gettrprice` and `tts` (SpeechCommand.h).
std::span<const SimCommand> TranslationCommands();
void RegisterTranslationCommands(ServiceSimulator& simulator);

}  // namespace vorla::sim
