#include "app/app_style.h"

#include <QPalette>
#include <QStyleFactory>

namespace kavero::app {

void ApplyCalmStyle(QApplication& application) {
  application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(236, 240, 244));
  palette.setColor(QPalette::WindowText, QColor(33, 43, 54));
  palette.setColor(QPalette::Base, QColor(255, 255, 255));
  palette.setColor(QPalette::AlternateBase, QColor(244, 247, 250));
  palette.setColor(QPalette::Text, QColor(33, 43, 54));
  palette.setColor(QPalette::Button, QColor(226, 232, 238));
  palette.setColor(QPalette::ButtonText, QColor(33, 43, 54));
  palette.setColor(QPalette::Highlight, QColor(52, 101, 164));
  palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
  palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  palette.setColor(QPalette::ToolTipText, QColor(33, 43, 54));
  palette.setColor(QPalette::Link, QColor(30, 90, 170));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 150, 160));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 150, 160));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 150, 160));
  application.setPalette(palette);
}

}  // namespace kavero::app
