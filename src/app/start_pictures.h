#pragma once
// The two pictures of the start panel, drawn rather than shipped.
#include <QPainter>
#include <QPixmap>
#include <QSize>

namespace kavero::app {

// The window's backdrop: a title band above the start panel.
void PaintBackdrop(QPainter& painter, QRect area);
// A football pitch seen from above, with the program's name.
QPixmap DrawPitchPicture(QSize size);
// Goals per match as bars around a total line of 2.5.
QPixmap DrawTotalsPicture(QSize size);

}  // namespace kavero::app
