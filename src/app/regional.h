#pragma once
// The user's regional settings and today's date, as the core takes them.
#include <QLocale>

#include "base/dates.h"

namespace kavero::app {

RegionalSettings RegionalSettingsOf(const QLocale& locale);
Date Today();

}  // namespace kavero::app
