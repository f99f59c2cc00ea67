#pragma once
// "Check on past seasons…": the backtest run off the window's thread, with a
// progress bar, then its report (selectable, with a Copy button) and its plot.
#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

#include "base/language.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace kavero {
struct PastSeasonsCheck;
}

namespace kavero::app {

class PastSeasonsDialog : public QDialog {
  Q_OBJECT

 public:
  PastSeasonsDialog(Language language, QWidget* parent);

  // Checks the files and folders at `paths` through the analysis on a thread
  // of its own; the dialog shows the report once it is done and then emits
  // Finished.
  void Run(std::vector<std::string> paths);
  QString ReportText() const;

 signals:
  void Finished();

 private:
  void Show(const PastSeasonsCheck& check);

  Language language_;
  QProgressBar* progress_;
  QPlainTextEdit* report_;
  QLabel* plot_;
  QPushButton* copy_;
};

// Where the chooser opens: the seasons installed beside the program
// (share/kavero/seasons), else those of the source tree it was built from.
QString ShippedSeasonsFolder();

// Asks for season files or a folder, opening on `start`; empty when cancelled.
QStringList ChooseSeasons(QWidget* parent, const QString& start, Language language);

}  // namespace kavero::app
