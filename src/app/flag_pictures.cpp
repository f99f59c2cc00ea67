#include "app/flag_pictures.h"

#include "line/flag_stems.h"

// The pictures live in a static library's resource; this keeps the linker from
// dropping them. Q_INIT_RESOURCE must stand outside every namespace.
static void InitFlagResources() {
  Q_INIT_RESOURCE(flag_pictures);
}

namespace kavero::app {

std::vector<QPixmap> LoadFlagPictures() {
  InitFlagResources();
  std::vector<QPixmap> pictures;
  pictures.reserve(FlagStems().size());
  for (std::size_t i = 0; i < FlagStems().size(); ++i) {
    pictures.emplace_back(QStringLiteral(":/flags/%1.png").arg(i));
  }
  return pictures;
}

}  // namespace kavero::app
