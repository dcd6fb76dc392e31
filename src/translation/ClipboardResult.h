#pragma once

#include "translation/Clipboard.h"
#include "translation/DeliverySink.h"

namespace vorla {

// Puts the result of a clipboard translation on the clipboard when the delivery asks for
// it: an RTF result as "Rich Text Format" (with the same text in the platform's other
// forms), any other as text. False when nothing was put.
bool PutResultOnClipboard(Clipboard& clipboard, const TranslationDelivery& delivery);

}  // namespace vorla
