#pragma once

#include "common/Bilingual.h"

namespace vorla {

// What a user should do with a document of an old Office format (4 .doc, 9 .ppt, 11 .xls)
// that the service does not take; empty texts for every other format.
BilingualText ConversionAdvice(int format);

}  // namespace vorla
