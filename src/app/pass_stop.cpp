// Stopping a statistics pass part-way: the Stop button in the Start button's
// place, or Escape.
#include <QKeySequence>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

#include "app/main_window.h"
#include "app/report_texts.h"
#include "stats/steps_outcome.h"

namespace kavero::app {

void MainWindow::BuildStopControls() {
  stop_button_ = new QPushButton(spSkinXFormButton1->parentWidget());
  stop_button_->setObjectName(QStringLiteral("stopButton"));
  stop_button_->setGeometry(spSkinXFormButton1->geometry());
  stop_button_->hide();
  connect(stop_button_, &QPushButton::clicked, this, [this] { stop_requested_ = true; });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { stop_requested_ = true; });
  pr->setFormat(QStringLiteral("%v / %m"));
}

MainWindow::StoppablePass::StoppablePass(MainWindow& window) : window_(window) {
  window_.stop_requested_ = false;
  window_.stop_button_->setText(StopCaption(window_.current_language_));
  window_.stop_button_->show();
  window_.stop_button_->raise();
}

MainWindow::StoppablePass::~StoppablePass() {
  window_.stop_button_->hide();
  window_.stop_requested_ = false;
}

bool MainWindow::StopRemaining(MatchTable& table, std::size_t first, bool fresh) {
  if (!stop_requested_) return false;
  TakeStopped(table, first, config_.bookmaker_site, fresh);
  return true;
}

}  // namespace kavero::app
