#pragma once

#include <cstddef>
#include <string>

namespace vorla::bench {

// Prose of the given size made of the simulator's English words, common words more often
// than rare ones, in sentences and paragraphs: the service translates it word by word, and
// it packs about as well as real text.
std::string ProseText(std::size_t size);

}  // namespace vorla::bench
