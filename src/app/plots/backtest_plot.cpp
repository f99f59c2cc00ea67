#include "app/plots/backtest_plot.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QSvgGenerator>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include "backtest/report_text.h"

#include <cmath>

namespace kavero::app {
namespace {

const QColor kModelColour(31, 119, 180);
const QColor kMarketColour(255, 127, 14);
const QColor kReturnColour(44, 160, 44);

// A vertical bar from low to high at x, for an interval.
void AddInterval(QChart& chart, double x, double low, double high, const QColor& colour) {
  auto* bar = new QLineSeries;
  bar->append(x, low);
  bar->append(x, high);
  bar->setPen(QPen(colour, 1.5));
  chart.addSeries(bar);
  chart.legend()->markers(bar).front()->setVisible(false);
}

QScatterSeries* Points(const QString& name, const QColor& colour) {
  auto* points = new QScatterSeries;
  points->setName(name);
  points->setColor(colour);
  points->setBorderColor(colour);
  points->setMarkerSize(8);
  return points;
}

void AttachAxes(QChart& chart, QAbstractAxis* x, QAbstractAxis* y) {
  chart.addAxis(x, Qt::AlignBottom);
  chart.addAxis(y, Qt::AlignLeft);
  for (auto* series : chart.series()) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
}

QValueAxis* PercentAxis(const QString& title, double from, double to) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setRange(from, to);
  axis->setLabelFormat(QStringLiteral("%.0f"));
  return axis;
}

// Observed share of over 2.5 against the predicted chance, per 5-point bucket;
// the market's points stand a little to the right of the window's.
QChart* ReliabilityChart(const BacktestReport& report) {
  auto* chart = new QChart;
  chart->setTitle(
      QStringLiteral("Chance of over 2.5: predicted against observed (95 % intervals)"));
  auto* diagonal = new QLineSeries;
  diagonal->setName(QStringLiteral("Perfect calibration"));
  diagonal->append(0, 0);
  diagonal->append(100, 100);
  diagonal->setPen(QPen(Qt::gray, 1, Qt::DashLine));
  chart->addSeries(diagonal);
  const auto add = [&](const std::vector<CalibrationBucket>& buckets, const QString& name,
                       const QColor& colour, double shift) {
    auto* points = Points(name, colour);
    for (const auto& bucket : buckets) {
      const double x = bucket.predicted * 100 + shift;
      points->append(x, bucket.observed * 100);
      AddInterval(*chart, x, bucket.observed_interval.low * 100,
                  bucket.observed_interval.high * 100, colour);
    }
    chart->addSeries(points);
  };
  add(report.model_calibration, QStringLiteral("The window's chance"), kModelColour, 0);
  add(report.market_calibration, QStringLiteral("The market's fair chance"), kMarketColour, 0.6);
  AttachAxes(*chart, PercentAxis(QStringLiteral("Predicted, %"), 0, 100),
             PercentAxis(QStringLiteral("Observed, %"), 0, 100));
  return chart;
}

// Each mark's return per unit staked, with its interval, around the zero line.
QChart* ReturnsChart(const BacktestReport& report) {
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Return on betting the marked side (95 % intervals)"));
  auto* zero = new QLineSeries;
  zero->append(0.5, 0);
  zero->append(static_cast<double>(report.marks.size()) + 0.5, 0);
  zero->setPen(QPen(Qt::gray, 1, Qt::DashLine));
  chart->addSeries(zero);
  chart->legend()->setVisible(false);
  auto* points = Points(QStringLiteral("Return"), kReturnColour);
  auto* x_axis = new QCategoryAxis;
  x_axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  double low = 0, high = 0;
  for (std::size_t i = 0; i < report.marks.size(); ++i) {
    const auto& record = report.marks[i].record;
    const double x = static_cast<double>(i) + 1;
    points->append(x, record.return_mean * 100);
    AddInterval(*chart, x, record.return_interval.low * 100, record.return_interval.high * 100,
                kReturnColour);
    low = std::min(low, record.return_interval.low * 100);
    high = std::max(high, record.return_interval.high * 100);
    // The label's side goes on a line of its own, so the labels fit.
    const auto label =
        QString::fromStdString(MarkLabel(report.marks[i].mark, EnglishReportWords()));
    x_axis->append(QString(label).replace(QStringLiteral(", "), QStringLiteral("<br>")), x);
  }
  chart->addSeries(points);
  x_axis->setRange(0.5, static_cast<double>(report.marks.size()) + 0.5);
  auto* y_axis = PercentAxis(QStringLiteral("Return, %"), std::floor(low - 2), std::ceil(high + 2));
  y_axis->applyNiceNumbers();
  AttachAxes(*chart, x_axis, y_axis);
  return chart;
}

void Paint(const BacktestReport& report, QPainter& painter, QSize size) {
  const int half = size.height() / 2;
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  int top = 0;
  for (QChart* chart : {ReliabilityChart(report), ReturnsChart(report)}) {
    QGraphicsScene scene;
    scene.addItem(chart);  // the scene owns it
    chart->resize(size.width(), half);
    const QRectF area(0, top, size.width(), half);
    scene.render(&painter, area, QRectF(0, 0, size.width(), half));
    top += half;
  }
}

constexpr QSize kPlotSize(1000, 1200);

}  // namespace

QImage DrawBacktestPlot(const BacktestReport& report, QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Paint(report, painter, size);
  return image;
}

bool WriteBacktestPlot(const BacktestReport& report, const QString& path, QString& error) {
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(kPlotSize);
    svg.setViewBox(QRect(QPoint(0, 0), kPlotSize));
    svg.setTitle(QStringLiteral("KAVERO backtest"));
    QPainter painter;
    if (!painter.begin(&svg)) {
      error = QStringLiteral("cannot write %1").arg(path);
      return false;
    }
    Paint(report, painter, kPlotSize);
    return painter.end();
  }
  if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    error = QStringLiteral("the plot's name must end in .svg or .png");
    return false;
  }
  if (!DrawBacktestPlot(report, kPlotSize).save(path, "PNG")) {
    error = QStringLiteral("cannot write %1").arg(path);
    return false;
  }
  return true;
}

}  // namespace kavero::app
