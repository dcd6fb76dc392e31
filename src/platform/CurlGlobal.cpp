#include "platform/CurlGlobal.h"

#include <curl/curl.h>

namespace vorla {

CurlGlobal::CurlGlobal() : ok_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}

CurlGlobal::~CurlGlobal() {
  if (ok_) curl_global_cleanup();
}

}  // namespace vorla
