#pragma once

#include <string_view>

#include "common/XmlPullReader.h"

namespace vorla {

// Reads a document to its end for a reader of one exchange format: `start` at every element
// (the reader stands on it) and `end` at its end return 0 or the code that ends the reading,
// `text` takes the text up to the next tag; a document that does not parse ends with
// `malformed`.
template <typename OnStart, typename OnText, typename OnEnd>
int PullElements(XmlPullReader& reader, int malformed, OnStart start, OnText text, OnEnd end) {
  for (;;) {
    switch (reader.Next()) {
      case XmlNode::kStartElement:
        if (const int result = start()) return result;
        break;
      case XmlNode::kText:
        text(reader.Text(), reader.TextTruncated());
        break;
      case XmlNode::kEndElement:
        if (const int result = end()) return result;
        break;
      case XmlNode::kEndOfDocument:
        return 0;
      case XmlNode::kError:
        return malformed;
    }
  }
}

}  // namespace vorla
