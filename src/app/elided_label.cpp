#include "app/elided_label.h"

#include <QStringList>
#include <QTextLayout>

namespace kavero::app {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
}

void ElidedLabel::SetFullText(const QString& text) {
  full_text_ = text;
  Elide();
}

void ElidedLabel::SetMaxLines(int lines) {
  max_lines_ = lines;
  Elide();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void ElidedLabel::Elide() {
  QStringList shown;
  QTextLayout layout(full_text_, font());
  layout.beginLayout();
  while (shown.size() < max_lines_) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width());
    if (shown.size() + 1 == max_lines_) {
      // The last line takes the rest of the text, cut where it does not fit.
      shown << fontMetrics().elidedText(full_text_.mid(line.textStart()), Qt::ElideRight, width());
    } else {
      shown << full_text_.mid(line.textStart(), line.textLength()).trimmed();
    }
  }
  layout.endLayout();
  setText(shown.join(QLatin1Char('\n')));
}

}  // namespace kavero::app
