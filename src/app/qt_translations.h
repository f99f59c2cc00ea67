#pragma once
// Qt's own dialogs and buttons (the file dialog, the message boxes) in the
// interface language, from the system's Qt translations (qt6-translations-l10n).
#include "base/language.h"

namespace kavero::app {

// False when Russian was asked for and no translation could be loaded.
bool SpeakQtDialogsIn(Language language);

}  // namespace kavero::app
