#pragma once
#include <QApplication>

namespace kavero::app {

// Fusion with a quiet blue-grey palette, the same on every desktop.
void ApplyCalmStyle(QApplication& application);

}  // namespace kavero::app
