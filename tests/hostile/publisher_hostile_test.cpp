// The publisher's server under fire: a publication cut off mid-body stores
// nothing, and a long run of hostile requests writes nowhere but its storage.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "demo/demo_site_fixture.h"
#include "published_store.h"

namespace kavero::demo {
namespace {

// Sends `bytes` on a fresh connection and hangs up without reading the answer.
void SendAndHangUp(int port, const std::string& bytes) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL),
            static_cast<ssize_t>(bytes.size()));
  ::close(fd);
}

// Every path below `folder` with its file's contents ("" for a folder).
std::map<std::string, std::string> Tree(const std::filesystem::path& folder) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    std::string contents;
    if (entry.is_regular_file()) {
      std::ifstream file(entry.path(), std::ios::binary);
      contents.assign(std::istreambuf_iterator<char>(file), {});
    }
    tree[std::filesystem::relative(entry.path(), folder).string()] = contents;
  }
  return tree;
}

class PublisherUnderFire : public testing::DemoSiteTest {
 protected:
  int Post(const std::string& body) {
    const auto answer = Client().Post("/kavero/file.php", body, kForm);
    return answer ? answer->status : -1;
  }
  static constexpr const char* kForm = "application/x-www-form-urlencoded";
};

TEST_F(PublisherUnderFire, APublicationCutOffMidBodyStoresNothing) {
  const std::string body = "datas=10.12.2026&stext=" + std::string(200'000, 'a') + "&";
  const std::string head =
      "POST /kavero/file.php HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: "
      "application/x-www-form-urlencoded\r\nContent-Length: " +
      std::to_string(body.size()) + "\r\n\r\n";
  for (std::size_t sent : {std::size_t{0}, std::size_t{10}, body.size() / 2, body.size() - 1}) {
    SCOPED_TRACE(sent);
    SendAndHangUp(server_.port(), head + body.substr(0, sent));
  }
  // Had any of them been stored, this one would be refused as a second table.
  EXPECT_EQ(Post("datas=10.12.2026&stext=whole&"), 200);
  const auto stored = Client().Get("/kavero/10.12.2026.txt");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->body, "whole");
  EXPECT_EQ(Tree(storage_), (std::map<std::string, std::string>{{"10.12.2026.txt", "whole"}}));
}

TEST_F(PublisherUnderFire, ALongRunOfHostileRequestsChangesNothingOutsideItsStorage) {
  // Files the tricks aim at: beside the storage and one level further up.
  std::ofstream(root_ / "beside.txt") << "beside";
  const auto above = root_.parent_path() / ("kavero-above-" + root_.filename().string() + ".txt");
  std::ofstream(above) << "above";
  const auto root_before = Tree(root_);

  const std::vector<std::string> dates = {"10.12.2026",
                                          "..",
                                          "../beside",
                                          "..%2Fbeside",
                                          "%2E%2E%2Fbeside",
                                          "%2E%2E/%2E%2E/" + above.filename().string(),
                                          "%2F" + above.string(),
                                          "a%5C..%5Cb",
                                          "12/10/26",
                                          "..%2F..%2Fx",
                                          "1%002",
                                          "%00",
                                          "%",
                                          "%Z1",
                                          "%C0%AE%C0%AE%2Fbeside",
                                          "%E2%80%AE",
                                          "10.12.2026%0D%0AX: y",
                                          "+",
                                          std::string(40, '1'),
                                          "2026-12-10",
                                          "con",
                                          ".hidden",
                                          "x/../../y"};
  const std::vector<std::string> tables = {
      "t", "", "%", "%ZZ", "%FF%FE", std::string(5000, 'z'), "a&stext=b", "%00%0A%0D"};
  std::mt19937 random(20261210);
  const auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  std::set<int> statuses;
  auto client = Client();
  for (int i = 0; i < 1500; ++i) {
    switch (i % 4) {
      case 0:
        statuses.insert(Post("datas=" + pick(dates) + "&stext=" + pick(tables) + "&"));
        break;
      case 1:
        statuses.insert(
            Post("stext=" + pick(tables) + "&datas=" + pick(dates) + "&datas=" + pick(dates)));
        break;
      case 2: {
        const auto answer = client.Get("/kavero/" + pick(dates) + ".txt");
        statuses.insert(answer ? answer->status : -1);
        break;
      }
      case 3:
        // Claims far more than it sends, or more than is ever accepted.
        SendAndHangUp(server_.port(),
                      "POST /kavero/file.php HTTP/1.1\r\nHost: x\r\nContent-Length: " +
                          std::to_string(i % 8 == 3 ? 1ull << 40 : 1000) +
                          "\r\n\r\ndatas=" + pick(dates));
        break;
    }
  }
  EXPECT_FALSE(statuses.contains(-1)) << "the server stopped answering";
  EXPECT_FALSE(statuses.contains(500));
  // The run did store, refuse second tables and refuse bad forms.
  EXPECT_TRUE(statuses.contains(200) && statuses.contains(409) && statuses.contains(400));

  auto root_after = Tree(root_);
  // Only date files of valid dates appear, and only in the storage folder.
  for (auto it = root_after.begin(); it != root_after.end();) {
    const std::filesystem::path path(it->first);
    if (path.parent_path() == "storage" && path.filename().string().front() != '.') {
      it = root_after.erase(it);
    } else {
      ++it;
    }
  }
  auto root_expected = root_before;
  root_expected.erase("storage");
  root_after.erase("storage");
  EXPECT_EQ(root_after, root_expected);
  std::ifstream above_file(above);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(above_file), {}), "above");
  std::filesystem::remove(above);
  for (const auto& [name, contents] : Tree(storage_)) {
    EXPECT_EQ(name.find('/'), std::string::npos) << name;
    // Bytes from 0x80 up count as letters of other scripts and are stored
    // under plain ASCII names.
    EXPECT_TRUE(name == StoredFileName("10.12.2026") || name == StoredFileName("12/10/26") ||
                name == StoredFileName("2026-12-10") || name == StoredFileName("con") ||
                name == StoredFileName("\xC0\xAE\xC0\xAE/beside") ||
                name == StoredFileName("\xE2\x80\xAE"))
        << name;
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c <= '~'; }))
        << name;
  }
}

}  // namespace
}  // namespace kavero::demo
