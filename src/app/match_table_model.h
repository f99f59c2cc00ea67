#pragma once
// Shows a match table of the analysis: the analysis tells of every change to
// its rows before and after it happens, and the model tells the views.
#include <QAbstractTableModel>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "analysis/analysis_observer.h"
#include "app/goals_hints.h"
#include "base/match_table.h"

namespace kavero::app {

class MatchTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kColumnCount = 11;
  static constexpr int kUrlColumn = 8;

  // `reorder` puts the rows in the order given (row k afterwards is row order[k] before).
  MatchTableModel(const MatchTable& rows,
                  std::function<void(const std::vector<std::size_t>& order)> reorder,
                  const std::vector<QPixmap>& flag_pictures, char decimal_separator,
                  bool bold_total, QObject* parent = nullptr);

  void SetHeader(int column, const QString& text);
  // How the hint of a not-read indicator says why.
  void SetProblemText(std::function<QString(const PageProblem&)> text);
  // The language of the goals model's hints.
  void SetHintLanguage(Language language);
  void SetHeaderHint(int column, const QString& text);
  // How the line moved, added to the Under and Over cells' hints.
  void SetMovementHint(std::function<QString(const MatchRow&, bool under)> hint);
  // Around every change to the rows.
  void RowsAboutToChange(const RowsChange& change);
  void RowsChanged(const RowsChange& change);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Reorders the rows themselves, so that row indexes mean the same to the
  // analysis as on screen.
  void sort(int column, Qt::SortOrder order) override;

 private:
  QVariant DisplayText(const MatchRow& row, int column) const;
  // The cell's own hint, before any movement.
  QString Hint(const MatchRow& row, int column) const;

  const MatchTable& rows_;
  std::function<void(const std::vector<std::size_t>& order)> reorder_;
  const std::vector<QPixmap>& flag_pictures_;
  char decimal_separator_;
  bool bold_total_;
  std::array<QString, kColumnCount> headers_;
  std::array<QString, kColumnCount> header_hints_;
  std::function<QString(const PageProblem&)> problem_text_;
  Language hint_language_ = Language::kEnglish;
  std::function<QString(const MatchRow&, bool under)> movement_hint_;
};

}  // namespace kavero::app
