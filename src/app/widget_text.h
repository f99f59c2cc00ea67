#pragma once
// The one place where the core's Windows-1251 texts meet the widgets' Unicode.
#include <QString>
#include <string>
#include <string_view>

#include "base/encoding.h"

namespace kavero::app {

inline QString Shown(std::string_view text) {
  return QString::fromStdString(Cp1251ToUtf8(text));
}

// A widget's text in Windows-1251; empty if it is not valid Unicode.
inline std::string Chosen(const QString& text) {
  return Utf8ToCp1251(text.toStdString()).value_or(std::string());
}

}  // namespace kavero::app
