#pragma once
// The pieces the window's hand-built layout is made of: named controls, the
// layout's fonts and the look of its grids.
#include <QFont>
#include <QRect>
#include <QString>
#include <initializer_list>

class QLabel;
class QTableView;
class QWidget;

namespace kavero::app {

template <typename Widget>
Widget* Make(QWidget* parent, const char* name) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// A control whose layout size is "fits its text": sized to it at its own place.
void PlaceFitting(QWidget* widget, int left, int top);

// A sunken frame showing a single value, "0" at first.
QLabel* MakeFramedValue(QWidget* parent, const char* name, QRect place);

// Font sizes are line heights, as the layout measures them: Arial 14 pixels
// high is a 12-pixel em.
QFont ArialOfHeight(int line_height);
QFont PanelFont();
QFont BoldFont(QFont font);

void StyleGrid(QTableView* grid);
void SetWidths(QTableView* grid, std::initializer_list<int> widths);

}  // namespace kavero::app
