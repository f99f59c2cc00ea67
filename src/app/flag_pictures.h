#pragma once
#include <QPixmap>
#include <vector>

namespace kavero::app {

// One picture per country stem, in the stem list's order; picture 0 is the
// neutral one shown when no stem matched.
std::vector<QPixmap> LoadFlagPictures();

}  // namespace kavero::app
