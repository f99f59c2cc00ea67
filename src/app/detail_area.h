#pragma once
// The details of one match on the results panel: the two step indicators, the
// three history tables, the league excerpt, the totals table and the goals
// line. It spans the whole panel and paints nothing of its own, so that its
// controls keep the panel's coordinates; it lies under the panel's other
// controls and takes none of their clicks.
#include <QWidget>
#include <functional>

#include "app/goals_hints.h"
#include "base/match_table.h"
#include "stats/match_stats.h"

class QFrame;
class QLabel;
class QTableWidget;

namespace kavero::app {

class ElidedLabel;
struct Captions;

class DetailArea : public QWidget {
 public:
  // Numbers show with `decimal_separator`.
  DetailArea(QWidget* panel, char decimal_separator);

  void ApplyCaptions(const Captions& captions);
  // Words for a page that could not be read, as the hint of what it left unread.
  void SetProblemText(std::function<QString(const PageProblem&)> text);
  // Every table rebuilt in page order, any header sort forgotten; the rows of
  // a team page that could not be read show "–".
  void ShowMatchStats(const MatchStats& stats);
  // sh1 and sh2: the indicators a click computed, rounded as their labels are.
  void ShowClickSteps(double step1, double step2);
  // sh1 and sh2 when a click computed nothing.
  void ShowStepsNotRead();
  // sh1 and sh2: a row's stored indicators in general notation.
  void ShowStoredSteps(const MatchRow& row);
  // Names the match shown: its teams as the table writes them and its date,
  // cut where they do not fit, whole in the hint.
  void ShowMatchName(const MatchRow& row);
  // No match shown: empty tables, indicators at "0", no name.
  void Clear();
  // The goals line: the model of the shown match, empty without one.
  void ShowGoalsModel(const std::optional<GoalsModel>& model, Language language);
  // How the shown match's line moved today; "" when it did not.
  void ShowMovement(const QString& text);

 private:
  void BuildGrids();

  char decimal_separator_;
  std::function<QString(const PageProblem&)> problem_text_;
  // Controls, by their layout names.
  QFrame* spSkinBevel1 = nullptr;
  QLabel* spSkinShadowLabel1 = nullptr;
  QLabel* sh1 = nullptr;
  QLabel* spSkinShadowLabel2 = nullptr;
  QLabel* sh2 = nullptr;
  QTableWidget* SG1 = nullptr;
  QTableWidget* SG2 = nullptr;
  QTableWidget* SG3 = nullptr;
  QTableWidget* TUR = nullptr;
  QTableWidget* TOT_COM = nullptr;
  ElidedLabel* goals_line = nullptr;
  ElidedLabel* match_name = nullptr;
  ElidedLabel* movement_line = nullptr;
};

}  // namespace kavero::app
