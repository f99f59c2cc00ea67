#pragma once
// Gathers one answer on an easy handle and judges it: only a 2xx status
// without "Location" succeeds; a failed answer's body is not delivered, while
// a good body cut short keeps what arrived.
#include <curl/curl.h>

#include <cstddef>
#include <string>

#include "web/http_client.h"

namespace kavero {

class AnswerCollector {
 public:
  explicit AnswerCollector(std::size_t max_body) : max_body_(max_body) {}
  AnswerCollector(const AnswerCollector&) = delete;
  AnswerCollector& operator=(const AnswerCollector&) = delete;

  // Installs the header and body callbacks; the collector must outlive the transfer.
  void Attach(CURL* handle);
  // The outcome, given the code the transfer ended with.
  FetchResult Finish(CURLcode code);

 private:
  static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self);
  static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self);
  bool Refused() const;

  std::size_t max_body_;
  std::string body_;
  int status_ = 0;
  bool has_location_ = false;
  bool too_large_ = false;
};

}  // namespace kavero
