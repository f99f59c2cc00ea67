#include "web/curl/curl_handles.h"

namespace kavero {

EasyHandle NewEasyHandle() {
  static const CURLcode global_init = curl_global_init(CURL_GLOBAL_DEFAULT);
  (void)global_init;
  return EasyHandle(curl_easy_init());
}

}  // namespace kavero
