#pragma once
// The publisher's web pages, in UTF-8.
#include <string>

namespace kavero::demo {

// The user manual that the program's HELP button opens.
const std::string& HelpPage();
// The publisher's home page, with a link to the manual.
const std::string& HomePage();

}  // namespace kavero::demo
