#pragma once
// The results screen's line that says what a run or an action could not read;
// its hint lists the pages, and a click asks for the whole report.
#include <QString>
#include <QStringList>

#include "app/elided_label.h"

namespace kavero::app {

class StatusLine : public ElidedLabel {
  Q_OBJECT

 public:
  explicit StatusLine(QWidget* parent = nullptr);

  // Shows `text` on up to two lines, cut where it goes on; the hint holds it
  // whole, then the first of `report_lines` and `click_hint`.
  void Show(const QString& text, const QStringList& report_lines, const QString& click_hint);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace kavero::app
