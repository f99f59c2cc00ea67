#include "app/status_line.h"

#include <QMouseEvent>

namespace kavero::app {
namespace {

constexpr int kHintLines = 12;

}  // namespace

StatusLine::StatusLine(QWidget* parent) : ElidedLabel(parent) {
  setCursor(Qt::PointingHandCursor);
}

void StatusLine::Show(const QString& text, const QStringList& report_lines,
                      const QString& click_hint) {
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
  SetFullText(text);
}

void StatusLine::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

}  // namespace kavero::app
