#include "AnswerStream.h"

#include <microhttpd.h>

#include <algorithm>
#include <cstring>

#include "ServiceSimulator.h"

namespace vorla::sim {

bool AnswerStream::Needed(const Faults& faults) {
  return faults.closeAfter || faults.stallInside.count() > 0 || faults.trickleBytes > 0;
}

ssize_t AnswerStream::Produce(std::uint64_t position, char* buffer, std::size_t max) {
  const auto at = static_cast<std::size_t>(position);
  if (faults_.closeAfter && at >= *faults_.closeAfter) return MHD_CONTENT_READER_END_WITH_ERROR;
  if (faults_.stallInside.count() > 0 && !stalled_ && at >= faults_.stallAt) {
    stalled_ = true;
    if (!simulator_.Pause(faults_.stallInside)) return MHD_CONTENT_READER_END_WITH_ERROR;
  }
  if (faults_.trickleBytes > 0 && at > 0 && !simulator_.Pause(faults_.trickleInterval)) {
    return MHD_CONTENT_READER_END_WITH_ERROR;
  }
  std::size_t n = std::min(max, body_.size() - at);
  if (faults_.trickleBytes > 0) n = std::min(n, faults_.trickleBytes);
  if (faults_.closeAfter) n = std::min(n, *faults_.closeAfter - at);
  if (faults_.stallInside.count() > 0 && !stalled_) n = std::min(n, faults_.stallAt - at);
  std::memcpy(buffer, body_.data() + at, n);
  return static_cast<ssize_t>(n);
}

}  // namespace vorla::sim
