#pragma once

#include <string>

#include "dictionaries/AttributeList.h"
#include "dictionaries/RecordReader.h"

namespace vorla {

// An attribute list in a record: 0xC8, the pairs (code, 0xCA, value + 1) separated by
// 0xF7, and 0xD7. An empty list is not written at all.
void WriteAttributeList(std::string& record, const AttributeList& list);
// A multi-word term's source list, which always opens with its word class (SCat).
void WriteAttributeListWithScat(std::string& record, int scat, const AttributeList& list);

// Reads a list when one opens at the reader's position (an absent list is empty); false on a
// syntax error, on a pair the list cannot hold or on more than ten pairs.
bool ReadAttributeList(RecordReader& reader, AttributeList& list);
// Reads the list of a multi-word term: it must be there and open with SCat.
bool ReadAttributeListWithScat(RecordReader& reader, int& scat, AttributeList& list);

}  // namespace vorla
