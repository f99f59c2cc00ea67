#pragma once
// Owning wrappers for libcurl handles.
#include <curl/curl.h>

#include <memory>

namespace kavero {

struct EasyCleanup {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct ShareCleanup {
  void operator()(CURLSH* share) const { curl_share_cleanup(share); }
};
struct HeaderListCleanup {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

using EasyHandle = std::unique_ptr<CURL, EasyCleanup>;
using ShareHandle = std::unique_ptr<CURLSH, ShareCleanup>;
using HeaderList = std::unique_ptr<curl_slist, HeaderListCleanup>;

// A new easy handle, with libcurl's global state set up on first use.
EasyHandle NewEasyHandle();

}  // namespace kavero
