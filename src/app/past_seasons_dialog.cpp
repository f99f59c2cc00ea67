#include "app/past_seasons_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QThread>
#include <QVBoxLayout>
#include <memory>

#include "analysis/analysis.h"
#include "analysis/past_seasons.h"
#include "app/plots/backtest_plot.h"

namespace kavero::app {
namespace {

constexpr QSize kPlotSize(500, 660);
// Room for the plot and the scroll area's frame and bar.
constexpr int kPlotPaneWidth = 530;

struct Outcome {
  PastSeasonsCheck check;
  QString error;
};

}  // namespace

PastSeasonsDialog::PastSeasonsDialog(Language language, QWidget* parent)
    : QDialog(parent),
      language_(language),
      progress_(new QProgressBar(this)),
      report_(new QPlainTextEdit(this)),
      plot_(new QLabel(this)),
      copy_(new QPushButton(
          language == Language::kRussian ? QStringLiteral("Копировать") : QStringLiteral("Copy"),
          this)) {
  setObjectName(QStringLiteral("PastSeasons"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(language == Language::kRussian ? QStringLiteral("Проверка на прошлых сезонах")
                                                : QStringLiteral("Check on past seasons"));
  resize(1320, 720);

  progress_->setObjectName(QStringLiteral("PastSeasonsProgress"));
  progress_->setRange(0, 0);  // busy: the replay takes well under a second per league
  report_->setObjectName(QStringLiteral("PastSeasonsReport"));
  report_->setReadOnly(true);
  report_->setLineWrapMode(QPlainTextEdit::NoWrap);
  report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  report_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  plot_->setObjectName(QStringLiteral("PastSeasonsPlot"));
  plot_->setAlignment(Qt::AlignCenter);
  auto* plot_area = new QScrollArea(this);
  plot_area->setWidget(plot_);
  plot_area->setWidgetResizable(true);
  plot_area->setMinimumWidth(kPlotPaneWidth);
  copy_->setObjectName(QStringLiteral("PastSeasonsCopy"));
  copy_->setEnabled(false);
  connect(copy_, &QPushButton::clicked, this,
          [this] { QApplication::clipboard()->setText(ReportText()); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(copy_, QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* panes = new QHBoxLayout;
  panes->addWidget(report_, 1);
  panes->addWidget(plot_area, 0);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(progress_);
  layout->addLayout(panes);
  layout->addWidget(buttons);
}

void PastSeasonsDialog::Run(std::vector<std::string> paths) {
  auto outcome = std::make_shared<Outcome>();
  QThread* thread = QThread::create([paths = std::move(paths), language = language_, outcome] {
    try {
      outcome->check = Analysis::CheckPastSeasons(paths, language);
    } catch (const std::exception& error) {
      outcome->error = QString::fromStdString(error.what());
    }
  });
  connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  connect(thread, &QThread::finished, this, [this, outcome] {
    if (outcome->error.isEmpty()) {
      Show(outcome->check);
    } else {
      progress_->hide();
      report_->setPlainText(outcome->error);
    }
    emit Finished();
  });
  thread->start();
}

QString PastSeasonsDialog::ReportText() const {
  return report_->toPlainText();
}

void PastSeasonsDialog::Show(const PastSeasonsCheck& check) {
  progress_->hide();
  report_->setPlainText(QString::fromStdString(check.text));
  plot_->setPixmap(QPixmap::fromImage(DrawBacktestPlot(check.report, kPlotSize)));
  copy_->setEnabled(true);
}

QString ShippedSeasonsFolder() {
  const QString installed = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral("../share/kavero/seasons"));
  for (const QString& folder : {installed, QStringLiteral(KAVERO_SOURCE_SEASONS)}) {
    if (QDir(folder).exists()) return QDir::cleanPath(folder);
  }
  return QDir::homePath();
}

QStringList ChooseSeasons(QWidget* parent, const QString& start, Language language) {
  QMessageBox chooser(QMessageBox::Question,
                      language == Language::kRussian ? QStringLiteral("Проверка на прошлых сезонах")
                                                     : QStringLiteral("Check on past seasons"),
                      language == Language::kRussian
                          ? QStringLiteral("Проверить файлы сезонов или целую папку?")
                          : QStringLiteral("Check season files, or a whole folder?"),
                      QMessageBox::Cancel, parent);
  QPushButton* files = chooser.addButton(
      language == Language::kRussian ? QStringLiteral("Файлы…") : QStringLiteral("Files…"),
      QMessageBox::AcceptRole);
  QPushButton* folder = chooser.addButton(
      language == Language::kRussian ? QStringLiteral("Папка…") : QStringLiteral("Folder…"),
      QMessageBox::AcceptRole);
  chooser.exec();
  if (chooser.clickedButton() == files) {
    return QFileDialog::getOpenFileNames(parent, QString(), start,
                                         QStringLiteral("CSV (*.csv *.CSV);;* (*)"));
  }
  if (chooser.clickedButton() == folder) {
    const QString chosen = QFileDialog::getExistingDirectory(parent, QString(), start);
    return chosen.isEmpty() ? QStringList() : QStringList{chosen};
  }
  return {};
}

}  // namespace kavero::app
