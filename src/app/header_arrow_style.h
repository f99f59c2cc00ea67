#pragma once
// The match tables' columns are too narrow for a header text and a sort arrow
// side by side ("Step2" would show as "tep2"): the arrow goes in a small strip
// above the text, which keeps its whole width.
#include <QProxyStyle>

namespace kavero::app {

class HeaderArrowStyle : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  // Where the arrow of a section in `section` goes.
  static QRect ArrowPlace(const QRect& section);
};

// Gives `header` the style, owned by it.
void PutSortArrowAboveText(QWidget* header);

}  // namespace kavero::app
