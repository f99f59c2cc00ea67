#include "web/curl/pumping_client.h"

#include "web/curl/answer_collector.h"
#include "web/curl/multi_fetcher.h"
#include "web/form_encode.h"
#include "web/keeping_turn.h"

namespace kavero {

PumpingClient::PumpingClient(CurlHttpClient& client, std::function<void()> process_messages)
    : client_(client),
      process_messages_(std::move(process_messages)),
      fetcher_(std::make_unique<MultiFetcher>(client)) {}

PumpingClient::~PumpingClient() = default;

FetchResult PumpingClient::Get(const std::string& address) {
  return fetcher_->Fetch(address, process_messages_);
}

FetchResult PumpingClient::PostForm(const std::string& address,
                                    const std::vector<std::string>& fields) {
  // The client's own connection is closed first, as its own post would.
  client_.Disconnect();
  const HttpLimits limits = client_.limits();
  CURLSH* cookies = client_.CookieShare();
  return KeepingTurn(
      [&address, &fields, limits, cookies] {
        const std::string body = BuildFormBody(fields);
        const HeaderList headers = PostHeaders();
        const EasyHandle handle = NewEasyHandle();
        ConfigureEasyHandle(handle.get(), limits);
        curl_easy_setopt(handle.get(), CURLOPT_SHARE, cookies);
        PreparePost(handle.get(), address, body, headers.get());
        AnswerCollector collector(limits);
        collector.Attach(handle.get());
        return collector.Finish(curl_easy_perform(handle.get()));
      },
      process_messages_);
}

void PumpingClient::Disconnect() {
  client_.Disconnect();
  fetcher_ = std::make_unique<MultiFetcher>(client_);
}

}  // namespace kavero
