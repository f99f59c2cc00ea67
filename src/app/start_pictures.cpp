#include "app/start_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace kavero::app {
namespace {

const QColor kGrassDark(46, 125, 50);
const QColor kGrassLight(56, 142, 60);
const QColor kLine(255, 255, 255, 210);

void DrawBall(QPainter& painter, QPointF centre, qreal radius) {
  painter.setPen(QPen(QColor(40, 40, 40), 1.0));
  painter.setBrush(Qt::white);
  painter.drawEllipse(centre, radius, radius);
  QPolygonF patch;
  for (int i = 0; i < 5; ++i) {
    const qreal angle = -M_PI / 2 + i * 2 * M_PI / 5;
    patch << centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.42;
  }
  painter.setBrush(QColor(40, 40, 40));
  painter.drawPolygon(patch);
  for (const QPointF& corner : patch) {
    const QPointF direction = (corner - centre) / (radius * 0.42);
    painter.drawLine(corner, centre + direction * radius);
  }
}

}  // namespace

void PaintBackdrop(QPainter& painter, QRect area) {
  const QRect band(area.left(), area.top(), area.width(), 88);
  QLinearGradient shade(band.topLeft(), band.bottomLeft());
  shade.setColorAt(0, QColor(44, 62, 80));
  shade.setColorAt(1, QColor(58, 82, 104));
  painter.fillRect(band, shade);
  painter.fillRect(QRect(band.left(), band.bottom() - 2, band.width(), 3), kGrassLight);

  QFont title(QStringLiteral("Arial"));
  title.setPixelSize(24);
  title.setBold(true);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  painter.setFont(title);
  painter.setPen(Qt::white);
  painter.drawText(QRect(136, 18, 400, 30), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("KAVERO"));
  QFont tagline(QStringLiteral("Arial"));
  tagline.setPixelSize(12);
  painter.setFont(tagline);
  painter.setPen(QColor(200, 214, 228));
  painter.drawText(QRect(136, 50, 500, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Football betting line · total goals · Step 1 and Step 2"));
}

QPixmap DrawPitchPicture(QSize size) {
  QPixmap picture(size);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const int stripes = 10;
  for (int i = 0; i < stripes; ++i) {
    const qreal left = size.width() * i / qreal(stripes);
    painter.fillRect(QRectF(left, 0, size.width() / qreal(stripes) + 1, size.height()),
                     i % 2 ? kGrassDark : kGrassLight);
  }
  const QRectF field = QRectF(QPointF(0, 0), size).adjusted(8, 8, -8, -8);
  const qreal mid_x = field.center().x();
  const qreal mid_y = field.center().y();
  painter.setPen(QPen(kLine, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(field);
  painter.drawLine(QPointF(mid_x, field.top()), QPointF(mid_x, field.bottom()));
  painter.drawEllipse(field.center(), 26, 26);
  const qreal box_height = field.height() * 0.62;
  const qreal small_height = field.height() * 0.3;
  painter.drawRect(QRectF(field.left(), mid_y - box_height / 2, 52, box_height));
  painter.drawRect(QRectF(field.right() - 52, mid_y - box_height / 2, 52, box_height));
  painter.drawRect(QRectF(field.left(), mid_y - small_height / 2, 18, small_height));
  painter.drawRect(QRectF(field.right() - 18, mid_y - small_height / 2, 18, small_height));
  painter.drawArc(QRectF(field.left() + 52 - 16, mid_y - 18, 32, 36), -60 * 16, 120 * 16);
  painter.drawArc(QRectF(field.right() - 52 - 16, mid_y - 18, 32, 36), 120 * 16, 120 * 16);

  QFont title(QStringLiteral("Arial"));
  title.setPixelSize(34);
  title.setBold(true);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
  painter.setFont(title);
  const QRectF title_box(field.left(), mid_y - 30, field.width(), 40);
  painter.setPen(QColor(0, 0, 0, 90));
  painter.drawText(title_box.translated(2, 2), Qt::AlignCenter, QStringLiteral("KAVERO"));
  painter.setPen(Qt::white);
  painter.drawText(title_box, Qt::AlignCenter, QStringLiteral("KAVERO"));

  QFont subtitle(QStringLiteral("Arial"));
  subtitle.setPixelSize(12);
  subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 2);
  painter.setFont(subtitle);
  painter.setPen(QColor(255, 255, 255, 220));
  painter.drawText(QRectF(field.left(), mid_y + 12, field.width(), 18), Qt::AlignCenter,
                   QStringLiteral("UNDER  \u00b7  TOTAL  \u00b7  OVER"));
  DrawBall(painter, QPointF(mid_x + 70, field.bottom() - 22), 9);
  return picture;
}

QPixmap DrawTotalsPicture(QSize size) {
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF card = QRectF(QPointF(0, 0), size).adjusted(1, 1, -1, -1);
  QLinearGradient background(card.topLeft(), card.bottomLeft());
  background.setColorAt(0, QColor(250, 251, 253));
  background.setColorAt(1, QColor(232, 237, 243));
  painter.setPen(QPen(QColor(190, 198, 210), 1));
  painter.setBrush(background);
  painter.drawRoundedRect(card, 8, 8);

  QFont heading(QStringLiteral("Arial"));
  heading.setPixelSize(13);
  heading.setBold(true);
  painter.setFont(heading);
  painter.setPen(QColor(55, 71, 79));
  painter.drawText(QRectF(12, 10, card.width() - 24, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Goals per match"));

  const QRectF chart(22, 40, card.width() - 38, 130);
  const int max_goals = 6;
  const std::array<int, 8> goals = {3, 1, 4, 2, 5, 0, 3, 2};
  const qreal slot = chart.width() / goals.size();
  const auto y_of = [&](qreal value) {
    return chart.bottom() - chart.height() * value / max_goals;
  };

  QFont small(QStringLiteral("Arial"));
  small.setPixelSize(10);
  painter.setFont(small);
  for (int g = 0; g <= max_goals; g += 2) {
    painter.setPen(QPen(QColor(210, 216, 224), 1));
    painter.drawLine(QPointF(chart.left(), y_of(g)), QPointF(chart.right(), y_of(g)));
    painter.setPen(QColor(120, 130, 140));
    painter.drawText(QRectF(2, y_of(g) - 7, 16, 14), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(g));
  }
  for (std::size_t i = 0; i < goals.size(); ++i) {
    const bool over = goals[i] > 2.5;
    const QRectF bar(chart.left() + i * slot + slot * 0.18, y_of(goals[i]), slot * 0.64,
                     chart.bottom() - y_of(goals[i]));
    painter.setPen(Qt::NoPen);
    painter.setBrush(over ? QColor(0, 128, 0) : QColor(214, 69, 65));
    painter.drawRoundedRect(bar.adjusted(0, 0, 0, 2), 2, 2);
  }
  painter.setPen(QPen(QColor(33, 33, 33), 1.5, Qt::DashLine));
  painter.drawLine(QPointF(chart.left(), y_of(2.5)), QPointF(chart.right(), y_of(2.5)));
  painter.setPen(QColor(33, 33, 33));
  painter.drawText(QRectF(chart.right() - 30, y_of(2.5) - 16, 30, 14),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("2.5"));
  DrawBall(painter, QPointF(card.width() - 24, 19), 8);
  return picture;
}

}  // namespace kavero::app
