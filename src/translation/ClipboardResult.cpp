#include "translation/ClipboardResult.h"

namespace vorla {

bool PutResultOnClipboard(Clipboard& clipboard, const TranslationDelivery& delivery) {
  if (!delivery.copyToClipboard) return false;
  if (delivery.rtf) {
    clipboard.SetRtf(delivery.result, delivery.codePage);
  } else {
    clipboard.SetText(CodePageToUtf8(delivery.codePage, delivery.result).value_or(delivery.result));
  }
  return true;
}

}  // namespace vorla
