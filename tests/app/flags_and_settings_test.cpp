// The flag pictures and the regional settings handed to the core.
#include <gtest/gtest.h>

#include <QLocale>
#include <fstream>
#include <string>

#include "app/flag_pictures.h"
#include "app/regional.h"
#include "base/encoding.h"
#include "base/text_cuts.h"
#include "line/flag_stems.h"

namespace kavero::app {
namespace {

TEST(FlagPictures, OnePicturePerStemAndThePictureTableFollowsTheStemOrder) {
  const std::vector<QPixmap> pictures = LoadFlagPictures();
  ASSERT_EQ(pictures.size(), FlagStems().size());
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    EXPECT_FALSE(pictures[i].isNull()) << "picture " << i;
  }

  std::ifstream table(KAVERO_FLAG_TABLE);
  ASSERT_TRUE(table) << KAVERO_FLAG_TABLE;
  std::vector<std::string> stems;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    stems.push_back(Utf8ToCp1251(Trim(line.substr(0, line.find('=')))).value());
  }
  ASSERT_EQ(stems.size(), FlagStems().size());
  for (std::size_t i = 0; i < stems.size(); ++i) {
    EXPECT_EQ(stems[i], FlagStems()[i]) << "line " << i << " of the picture table";
  }
}

TEST(RegionalSettings, TakesTheShortDateFormatAndDecimalSeparatorOfTheLocale) {
  const struct {
    const char* locale;
    std::string date_format;
    char separator;
  } cases[] = {
      {"ru_RU", "dd.MM.yyyy", ','},
      {"en_US", "M/d/yy", '.'},
      {"de_DE", "dd.MM.yy", ','},
      {"C", "dd.MM.yyyy", '.'},  // no regional habits: the numeric default
  };
  for (const auto& c : cases) {
    const RegionalSettings settings = RegionalSettingsOf(QLocale(QString::fromLatin1(c.locale)));
    EXPECT_EQ(settings.short_date_format, c.date_format) << c.locale;
    EXPECT_EQ(settings.decimal_separator, c.separator) << c.locale;
  }
}

}  // namespace
}  // namespace kavero::app
