#pragma once
// Shared by the tools that drive the real window against a site: options of
// the form "--name value" and a window configuration pointed at that site.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "app/window_config.h"

namespace kavero::tools {

// The tool's "--name value" options, read with QCommandLineParser: `options`
// names each and gives its value when it is not given ("" for one that must
// be). On anything else, or a missing one, prints the problem and `usage` and
// returns nothing.
inline std::optional<std::map<std::string, std::string>> ReadOptions(
    int argc, char** argv, const std::map<std::string, std::string>& options, const char* usage) {
  QCommandLineParser parser;
  for (const auto& [name, fallback] : options) {
    parser.addOption(QCommandLineOption(QString::fromStdString(name), QString(),
                                        QStringLiteral("value"), QString::fromStdString(fallback)));
  }
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QString problem = parser.parse(arguments) ? QString() : parser.errorText();
  if (problem.isEmpty() && !parser.positionalArguments().isEmpty()) {
    problem = QStringLiteral("unexpected argument ") + parser.positionalArguments().first();
  }
  std::map<std::string, std::string> values;
  for (const auto& [name, fallback] : options) {
    values[name] = parser.value(QString::fromStdString(name)).toStdString();
    if (problem.isEmpty() && values[name].empty()) {
      problem = QStringLiteral("--%1 is missing").arg(QString::fromStdString(name));
    }
  }
  if (problem.isEmpty()) return values;
  std::fprintf(stderr, "%s\nusage: %s %s\n", qPrintable(problem), argc > 0 ? argv[0] : "", usage);
  return std::nullopt;
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
