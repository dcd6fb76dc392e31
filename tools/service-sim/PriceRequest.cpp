#include "PriceRequest.h"

#include <array>
#include <string_view>

#include "FieldReader.h"
#include "SharedFields.h"

namespace vorla::sim {

namespace {

constexpr std::array<std::string_view, 9> kFieldOrder = {
    "cmd", "type", "srcformat", "pid", "formating", "trflags", "actsent", "srctxt", "srcurl"};

}  // namespace

PriceRequest DecodePriceRequest(const SimRequest& request) {
  PriceRequest price;
  FieldReader fields(request, kFieldOrder);
  fields.RequiredValue("type", 0);
  price.sourceFormat = fields.Required("srcformat");
  fields.Required("pid");
  price.formatting = fields.Required("formating");
  price.flags = ReadFlags(fields, price.activeSentence);
  if (const std::string* url = fields.Text("srcurl")) price.sourceUrl = *url;
  if ((fields.Text("srctxt") != nullptr) == price.sourceUrl.has_value()) {
    fields.Refuse("one of srctxt and srcurl is sent");
  }
  const SourceText source = ReadSource(fields, price.flags);
  price.source = source.bytes;
  price.sourceStatus = source.status;
  price.refusal = fields.refusal();
  return price;
}

}  // namespace vorla::sim
