#include "app/regional.h"

#include <QDate>

#include "base/encoding.h"

namespace kavero::app {

RegionalSettings RegionalSettingsOf(const QLocale& locale) {
  RegionalSettings settings;
  // The C locale has no regional habits of its own (its short format spells
  // the month out); keep the numeric defaults then.
  if (locale.language() == QLocale::C) return settings;
  const QString pattern = locale.dateFormat(QLocale::ShortFormat);
  settings.short_date_format = Utf8ToCp1251(pattern.toStdString()).value_or(std::string());
  const QString point = locale.decimalPoint();
  if (point.size() == 1 && point.front().unicode() < 0x80) {
    settings.decimal_separator = static_cast<char>(point.front().unicode());
  }
  return settings;
}

Date Today() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

}  // namespace kavero::app
