#include "support/TestCommands.h"

#include <string>

namespace vorla::test {

namespace {

std::size_t SizeField(const sim::SimRequest& request) {
  const std::string* n = request.Field("n");
  return n ? std::stoul(*n) : 0;
}

sim::SimAnswer Blob(const sim::SimRequest& request, sim::SimContext&) {
  sim::SimAnswer answer;
  answer.body = PatternBytes(SizeField(request));
  if (const std::string* cookie = request.Field("cookie")) answer.setCookie = *cookie;
  if (const std::string* type = request.Field("ctype"))
    answer.contentType = *type == "-" ? "" : *type;
  if (const std::string* status = request.Field("status")) answer.status = std::stoi(*status);
  if (const std::string* location = request.Field("location")) {
    answer.headers.emplace_back("Location", *location);
  }
  return answer;
}

sim::SimAnswer Echo(const sim::SimRequest& request, sim::SimContext&) {
  sim::SimAnswer answer;
  answer.body = request.body;
  return answer;
}

sim::SimAnswer Framed(const sim::SimRequest& request, sim::SimContext&) {
  const std::size_t n = SizeField(request);
  sim::SimAnswer answer;
  answer.body = sim::Int32s({0, static_cast<std::int32_t>(n)}) + PatternBytes(n);
  return answer;
}

}  // namespace

void RegisterTestCommands(sim::ServiceSimulator& simulator) {
  simulator.Register("blob", &Blob);
  simulator.Register("echo", &Echo);
  simulator.Register("framed", &Framed);
}

std::string TranslationAnswer(std::string_view result, int source, int target) {
  return sim::Int32s({0, source, target, static_cast<std::int32_t>(result.size())}) +
         std::string(result);
}

std::string PatternBytes(std::size_t n) {
  std::string bytes(n, '\0');
  for (std::size_t i = 0; i < n; ++i)
    bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

}  // namespace vorla::test
