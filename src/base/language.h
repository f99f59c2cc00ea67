#pragma once
// The interface language the user chose: it decides the window's texts, the
// translation of names, the CSV header and whether a save publishes.
namespace kavero {

enum class Language { kEnglish, kRussian };

}  // namespace kavero
