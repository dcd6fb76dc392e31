#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorla::sim::test {

// What the simulator answered to one POST.
struct HttpReply {
  long status = 0;
  std::string body;
};

// POSTs a form body to the simulator with libcurl alone, with the session cookie when given
// ("sid=s1"), and reads the whole answer.
HttpReply PostForm(const std::string& url, const std::string& body, const std::string& cookie = {});

// Escapes a field value for a test body: letters and digits as they are, a space as "+",
// every other byte as "%" and two lower-case hexadecimal digits.
std::string FormValue(std::string_view bytes);

// The 32-bit integer at an offset of an answer.
std::int32_t BigEndianAt(std::string_view bytes, std::size_t offset);
std::int32_t LittleEndianAt(std::string_view bytes, std::size_t offset);

// Text of Latin-1 characters as single bytes, as Windows-1252 writes them.
std::string Latin1(std::u16string_view text);

// A zlib stream of the bytes, and the bytes of one, by zlib itself.
std::string Compressed(std::string_view bytes);
std::string Uncompressed(std::string_view stream);

}  // namespace vorla::sim::test
