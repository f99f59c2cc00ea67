#pragma once
// Shared by the tools that drive the real window against a site: options of
// the form "--name value" and a window configuration pointed at that site.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <map>
#include <string>

#include "app/window_config.h"

namespace kavero::tools {

inline std::map<std::string, std::string> Options(int argc, char** argv) {
  std::map<std::string, std::string> options;
  for (int i = 1; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
  return options;
}

inline std::string Option(const std::map<std::string, std::string>& options,
                          const std::string& name, const std::string& fallback = "") {
  const auto found = options.find(name);
  return found == options.end() ? fallback : found->second;
}

// Both servers at `site`, numbers with ".", dates as the bookmaker writes them,
// the saved file in a scratch folder.
inline app::WindowConfig ConfigForSite(const std::string& site) {
  app::WindowConfig config = app::DefaultWindowConfig();
  config.bookmaker_site = site;
  config.publishing_server = site;
  config.home_page = site;
  config.regional = {"dd.MM.yyyy", '.'};
  config.saves_path = QDir::temp().filePath(QStringLiteral("kavero-tool-saves.txt")).toStdString();
  return config;
}

}  // namespace kavero::tools
