// The publishing exchange: a table is kept once per date text, read back by
// the probe path, and a hostile form never writes outside the storage folder.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <thread>
#include <vector>

#include "base/cp1251_literal.h"
#include "demo_site_fixture.h"
#include "web/curl/curl_http_client.h"
#include "web/curl/url_probe.h"

namespace kavero::demo {
namespace {

using namespace kavero::literals;

constexpr const char* kForm = "application/x-www-form-urlencoded";

// A date as the program writes it, the address its probe asks for, and the
// file the demo keeps it in.
struct DateCase {
  std::string date, probe_path, stored_as;
};

std::vector<DateCase> DateCases() {
  return {DateCase{"10.12.2026", "kavero/10.12.2026.txt", "10.12.2026.txt"},
          DateCase{"2026-12-10", "kavero/2026-12-10.txt", "2026-12-10.txt"},
          DateCase{"12/10/26", "kavero/12/10/26.txt", "12_s10_s26.txt"},
          DateCase{"10 Dec 2026", "kavero/10%20Dec%202026.txt", "10_bDec_b2026.txt"},
          // As the program's probe writes them: a space travels as
          // "%20", a Windows-1251 letter as its byte.
          DateCase{"2026. 12. 10.", "kavero/2026. 12. 10..txt", "2026._b12._b10..txt"},
          DateCase{"10.12.26 " + "г."_w1251s, "kavero/10.12.26 " + "г."_w1251s + ".txt",
                   "10.12.26_b_xe3..txt"},
          DateCase{"Дек"_w1251s + " 10", "kavero/%C4%E5%EA%2010.txt", "_xc4_xe5_xea_b10.txt"}};
}

class PublishingTest : public testing::DemoSiteTest {
 protected:
  void TearDown() override {
    client_.Disconnect();  // the server waits for open connections as it stops
    DemoSiteTest::TearDown();
  }
  std::vector<std::string> Entries(const std::filesystem::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  int Post(const std::string& body) {
    auto client = Client();
    const auto answer = client.Post("/kavero/file.php", body, kForm);
    return answer ? answer->status : -1;
  }

  CurlHttpClient client_;
};

TEST_F(PublishingTest, TheFirstTableOfADateIsKeptAndServed) {
  const std::string table = "10.12.2026>>19:00>>Арсенал>>Челси>>2.5>>"_w1251s +
                            "1.90>>1.95>>stat/1001.html>>2.5>>1.75>>" +
                            "Англия. Премьер-лига>>\r\n"_w1251s;
  for (const DateCase& c : DateCases()) {
    SCOPED_TRACE(c.date);
    const std::string probe = base() + c.probe_path;
    EXPECT_FALSE(UrlResponds(probe));

    const FetchResult first =
        client_.PostForm(base() + "kavero/file.php", {"datas=" + c.date, "stext=" + table});
    EXPECT_TRUE(first.ok) << first.error;
    EXPECT_TRUE(UrlResponds(probe));
    EXPECT_EQ(client_.Get(probe).body, table);
    EXPECT_TRUE(std::filesystem::exists(storage_ / c.stored_as));

    // A later publication of the date is refused and changes nothing.
    const FetchResult second =
        client_.PostForm(base() + "kavero/file.php", {"datas=" + c.date, "stext=other"});
    EXPECT_FALSE(second.ok);
    EXPECT_EQ(Post("datas=" + c.date + "&stext=other&"), 409);
    EXPECT_EQ(client_.Get(probe).body, table);
  }
}

TEST_F(PublishingTest, AnEmptyTableIsAPublicationToo) {
  EXPECT_EQ(Post("datas=11%2E12%2E2026&stext=&"), 200);
  const auto answer = Client().Get("/kavero/11.12.2026.txt");
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 200);
  EXPECT_EQ(answer->body, "");
}

TEST_F(PublishingTest, HostileFormsAreRefusedAndWriteNothing) {
  const std::string too_long(33, '1');
  for (const std::string& body : std::vector<std::string>{
           "datas=..&stext=x&",
           "datas=..%2Fx&stext=x&",
           "datas=%2E%2E%2Fx&stext=x&",
           "datas=%2Fetc%2Fx&stext=x&",
           "datas=a%5Cb&stext=x&",
           "datas=1%0A2&stext=x&",
           "datas=1%002&stext=x&",
           "datas=+x&stext=x&",
           "datas=x_y&stext=x&",
           "datas=&stext=x&",
           "datas=" + too_long + "&stext=x&",
           "stext=x&",
           "datas=10.12.2026&",
       }) {
    EXPECT_EQ(Post(body), 400) << body;
  }
  EXPECT_EQ(Entries(storage_), std::vector<std::string>{});
  EXPECT_EQ(Entries(root_), std::vector<std::string>{"storage"});
  EXPECT_EQ(Post("datas=" + too_long.substr(1) + "&stext=x&"), 200);  // 32 bytes are fine
}

TEST_F(PublishingTest, ProbePathsOutsideValidDatesFindNothing) {
  std::ofstream(root_ / "secret.txt") << "secret";
  ASSERT_EQ(Post("datas=10.12.2026&stext=x&"), 200);
  auto client = Client();
  for (const char* path :
       {"/kavero/..%2Fsecret.txt", "/kavero/%2E%2E%2Fsecret.txt", "/kavero/../secret.txt",
        "/kavero/.txt", "/kavero/10.12.2026", "/kavero/%2Ftmp%2Fx.txt",
        "/kavero/10.12.2026.txt.txt", "/kavero/a%5Cb.txt", "/kavero/10.12.2026.TXT"}) {
    const auto answer = client.Get(path);
    ASSERT_TRUE(answer) << path;
    EXPECT_EQ(answer->status, 404) << path;
  }
}

// Sends only the headers of a publication that claims `length` bytes and
// returns the status line of the answer.
std::string StatusForDeclaredLength(int port, std::size_t length) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return "no connection";
  }
  const std::string request =
      "POST /kavero/file.php HTTP/1.1\r\nHost: 127.0.0.1\r\n"
      "Content-Type: application/x-www-form-urlencoded\r\n"
      "Content-Length: " +
      std::to_string(length) + "\r\n\r\n";
  (void)!::write(fd, request.data(), request.size());
  timeval timeout{5, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
  char buffer[256] = {};
  const ssize_t received = ::read(fd, buffer, sizeof buffer - 1);
  ::close(fd);
  const std::string answer(buffer, received > 0 ? static_cast<std::size_t>(received) : 0);
  return answer.substr(0, answer.find("\r\n"));
}

TEST_F(PublishingTest, AnOversizedBodyIsRefusedBeforeItIsRead) {
  EXPECT_EQ(StatusForDeclaredLength(server_.port(), kMaxPublicationBody + 1),
            "HTTP/1.1 413 Payload Too Large");
  EXPECT_EQ(StatusForDeclaredLength(server_.port(), std::size_t{1} << 40),
            "HTTP/1.1 413 Payload Too Large");
  EXPECT_EQ(Entries(storage_), std::vector<std::string>{});
}

TEST_F(PublishingTest, OfManySimultaneousPublicationsOfADateExactlyOneIsKept) {
  constexpr int kPublishers = 50;
  std::vector<int> statuses(kPublishers);
  std::vector<std::thread> publishers;
  publishers.reserve(kPublishers);
  for (int i = 0; i < kPublishers; ++i) {
    publishers.emplace_back([&, i] {
      statuses[i] =
          Post("datas=10.12.2026&stext=" +
               std::string(std::size_t{64} * 1024, static_cast<char>('a' + i % 26)) + "&");
    });
  }
  for (auto& publisher : publishers) publisher.join();
  for (int status : statuses) EXPECT_TRUE(status == 200 || status == 409) << status;
  EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 200), 1);
  EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 409), kPublishers - 1);
  EXPECT_EQ(Entries(storage_), std::vector<std::string>{"10.12.2026.txt"});
  const auto stored = Client().Get("/kavero/10.12.2026.txt");
  ASSERT_TRUE(stored);
  ASSERT_EQ(stored->body.size(), 64u * 1024);
  EXPECT_EQ(std::count(stored->body.begin(), stored->body.end(), stored->body[0]),
            static_cast<long>(stored->body.size()));
}

}  // namespace
}  // namespace kavero::demo
