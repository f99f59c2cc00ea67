#include "web/pumping_client.h"

#include "web/multi_fetcher.h"

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
  return client_.PostForm(address, fields);
}

void PumpingClient::Disconnect() {
  client_.Disconnect();
  fetcher_ = std::make_unique<MultiFetcher>(client_);
}

}  // namespace kavero
