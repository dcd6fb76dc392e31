#pragma once

#include <cstddef>
#include <string>

namespace vorla {

// Rewrites the dictionary notation "head <modifiers> rest" as "modifiers head* rest" (and
// "head <modifiers>" as "modifiers head") in place and returns the new length. A text of 200
// bytes or more, one without that form, or one whose rewritten form would not fit in
// capacity bytes with a terminator stays as it is.
std::size_t RewriteInvertedTerm(std::string& text, std::size_t capacity);

}  // namespace vorla
