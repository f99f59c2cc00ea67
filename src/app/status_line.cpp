#include "app/status_line.h"

#include <QMouseEvent>

namespace kavero::app {
namespace {

constexpr int kHintLines = 12;

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setTextFormat(Qt::PlainText);
}

void StatusLine::Show(const QString& text, const QStringList& report_lines,
                      const QString& click_hint) {
  full_text_ = text;
  QString hint = text;
  if (!report_lines.isEmpty()) {
    hint += QStringLiteral("\n");
    for (const QString& line : report_lines.mid(0, kHintLines)) hint += QStringLiteral("\n") + line;
    if (report_lines.size() > kHintLines) {
      hint += QStringLiteral("\n… (+%1)").arg(report_lines.size() - kHintLines);
    }
  }
  hint += QStringLiteral("\n\n") + click_hint;
  setToolTip(hint);
  Elide();
}

void StatusLine::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

void StatusLine::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void StatusLine::Elide() {
  setText(fontMetrics().elidedText(full_text_, Qt::ElideRight, width()));
}

}  // namespace kavero::app
