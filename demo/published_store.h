#pragma once
// The daily tables that users publish, one file per date text.
#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kavero::demo {

// A date text as the user's short date format writes it ("10.12.2026",
// "2026-12-10", "12/10/26", "2026. 03. 05.", "5.03.26 г."): 1 to 32 bytes of
// letters of any script (every byte from 0x80 up counts as one), digits, ".",
// "-", "/" and space, beginning with a letter or digit, never holding "..".
bool IsValidDateText(std::string_view date);

// The file name of a valid date's table: "/" becomes "_s", a space "_b" and a
// byte from 0x80 up "_x" and its two hexadecimal digits, so the name stays one
// plain ASCII name inside the storage folder.
std::string StoredFileName(std::string_view date);

enum class PublishOutcome { Stored, AlreadyPublished, InvalidDate, StorageFailed };

class PublishedStore {
 public:
  explicit PublishedStore(std::filesystem::path folder);

  // Keeps the first table of a date; later ones change nothing. The table
  // appears whole or not at all, also when many publish the same date at once.
  PublishOutcome Publish(std::string_view date, std::string_view table);
  // The stored table; nothing for an invalid or unpublished date.
  std::optional<std::string> Read(std::string_view date) const;

 private:
  std::filesystem::path folder_;
  std::atomic<unsigned> next_temporary_{0};
};

}  // namespace kavero::demo
