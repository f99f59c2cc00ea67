#include "app/status_line.h"

#include <QMouseEvent>

#include "app/layout_parts.h"

namespace kavero::app {
namespace {

constexpr int kHintLines = 12;

}  // namespace

StatusLine::StatusLine(QWidget* parent) : ElidedLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // A point smaller than the panel's labels: the longest summary fits two lines.
  setFont(ArialOfHeight(13));
  SetMaxLines(2);
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
