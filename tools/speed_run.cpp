// One analysis run against a site, in English with the statistics pass on,
// on the offscreen platform. Prints the wall time, the peak memory and the
// longest time the window went without handling its events; writes
// NextGrid1 in the saved-file form to --out so runs can be compared.
//
//   kavero-speed-run --site http://127.0.0.1:PORT/ --out FILE [--read-ahead on|off]
#include <sys/resource.h>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "app/main_window.h"
#include "driver.h"
#include "results/saved_text.h"
#include "web/curl/clients.h"

int main(int argc, char** argv) {
  const auto options =
      kavero::tools::ReadOptions(argc, argv, {{"site", ""}, {"out", ""}, {"read-ahead", "on"}},
                                 "--site URL --out FILE [--read-ahead on|off]");
  if (!options) return 2;
  const std::string& site = options->at("site");
  const std::string& out = options->at("out");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qt_argc = 1;
  QApplication application(qt_argc, argv);

  kavero::app::WindowConfig config = kavero::tools::ConfigForSite(site);
  config.read_ahead = options->at("read-ahead") == "on";
  kavero::app::MainWindow window(kavero::CurlClients(), config);
  window.show_error = [](const QString& text) {
    std::fprintf(stderr, "error box: %s\n", qPrintable(text));
  };
  window.show();
  window.findChild<QCheckBox*>(QStringLiteral("ch"))->setChecked(false);

  // A timer that should fire every 10 ms: the longest gap between two of its
  // ticks is the longest the window would have kept a click waiting.
  QElapsedTimer since_tick;
  qint64 longest_gap = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout,
                   [&] { longest_gap = std::max(longest_gap, since_tick.restart()); });

  QElapsedTimer wall;
  QTimer::singleShot(0, [&] {
    since_tick.start();
    tick.start(10);
    wall.start();
    window.findChild<QPushButton*>(QStringLiteral("spSkinXFormButton1"))->click();
    tick.stop();
    application.quit();
  });
  application.exec();
  const double seconds = static_cast<double>(wall.elapsed()) / 1000.0;

  std::ofstream(out, std::ios::binary)
      << kavero::SavedText(window.Core().Rows(kavero::Grid::kAll), '.');
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("rows=%zu wall_s=%.2f peak_mb=%.1f longest_event_gap_ms=%lld\n",
              window.Core().Rows(kavero::Grid::kAll).size(), seconds,
              static_cast<double>(usage.ru_maxrss) / 1024.0, static_cast<long long>(longest_gap));
  return 0;
}
