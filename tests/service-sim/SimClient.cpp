#include "SimClient.h"

#include <curl/curl.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <memory>

namespace vorla::sim::test {

namespace {

std::size_t Collect(char* data, std::size_t size, std::size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

struct EasyCloser {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

std::uint32_t Bits(std::string_view bytes, std::size_t offset, bool bigEndian) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const auto byte = static_cast<std::uint8_t>(bytes.at(offset + i));
    value |= std::uint32_t{byte} << (bigEndian ? 24 - 8 * i : 8 * i);
  }
  return value;
}

}  // namespace

HttpReply PostForm(const std::string& url, const std::string& body, const std::string& cookie) {
  HttpReply reply;
  std::unique_ptr<CURL, EasyCloser> curl(curl_easy_init());
  curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDS, body.data());
  curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
  if (!cookie.empty()) curl_easy_setopt(curl.get(), CURLOPT_COOKIE, cookie.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, &Collect);
  curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &reply.body);
  EXPECT_EQ(curl_easy_perform(curl.get()), CURLE_OK) << url;
  curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &reply.status);
  return reply;
}

std::string FormValue(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
      out.push_back(c);
    } else if (c == ' ') {
      out.push_back('+');
    } else {
      out += {'%', kHex[byte >> 4], kHex[byte & 0xF]};
    }
  }
  return out;
}

std::int32_t BigEndianAt(std::string_view bytes, std::size_t offset) {
  return static_cast<std::int32_t>(Bits(bytes, offset, true));
}

std::int32_t LittleEndianAt(std::string_view bytes, std::size_t offset) {
  return static_cast<std::int32_t>(Bits(bytes, offset, false));
}

std::string Latin1(std::u16string_view text) {
  std::string bytes;
  for (const char16_t c : text) {
    EXPECT_LT(c, 0x100) << "not a Latin-1 character";
    bytes.push_back(static_cast<char>(c));
  }
  return bytes;
}

std::string Compressed(std::string_view bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  EXPECT_EQ(
      compress(reinterpret_cast<Bytef*>(out.data()), &size,
               reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size())),
      Z_OK);
  out.resize(size);
  return out;
}

std::string Uncompressed(std::string_view stream) {
  uLongf size = static_cast<uLongf>(stream.size() * 64 + 1024);
  std::string out(size, '\0');
  EXPECT_EQ(
      uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                 reinterpret_cast<const Bytef*>(stream.data()), static_cast<uLong>(stream.size())),
      Z_OK);
  out.resize(size);
  return out;
}

}  // namespace vorla::sim::test
