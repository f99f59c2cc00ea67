#include "app/elided_label.h"

namespace kavero::app {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
}

void ElidedLabel::SetFullText(const QString& text) {
  full_text_ = text;
  Elide();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void ElidedLabel::Elide() {
  setText(fontMetrics().elidedText(full_text_, Qt::ElideRight, width()));
}

}  // namespace kavero::app
