#include "app/match_table_model.h"

#include <QColor>
#include <QFont>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "app/mark_record_hints.h"
#include "app/widget_text.h"
#include "results/general_format.h"

namespace kavero::app {
namespace {

constexpr int kFlagColumn = 0;
constexpr int kTotalColumn = 5;
constexpr int kUnderColumn = 6;
constexpr int kOverColumn = 7;
constexpr int kStep1Column = 9;
constexpr int kStep2Column = 10;

Qt::Alignment AlignmentOf(int column) {
  const bool left = column == 3 || column == 4 || column == MatchTableModel::kUrlColumn;
  return (left ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
}

CellColour ColourOf(const MatchRow& row, int column) {
  if (column == kStep1Column) return row.step1_colour;
  if (column == kStep2Column) return row.step2_colour;
  return CellColour::kNone;
}

double NumberOf(const MatchRow& row, int column) {
  return column == kStep1Column ? row.step1 : row.step2;
}

}  // namespace

MatchTableModel::MatchTableModel(const MatchTable& rows,
                                 std::function<void(const std::vector<std::size_t>& order)> reorder,
                                 const std::vector<QPixmap>& flag_pictures, char decimal_separator,
                                 bool bold_total, QObject* parent)
    : QAbstractTableModel(parent),
      rows_(rows),
      reorder_(std::move(reorder)),
      flag_pictures_(flag_pictures),
      decimal_separator_(decimal_separator),
      bold_total_(bold_total) {}

void MatchTableModel::SetHeader(int column, const QString& text) {
  headers_.at(column) = text;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void MatchTableModel::SetHintLanguage(Language language) {
  hint_language_ = language;
  emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

void MatchTableModel::SetHeaderHint(int column, const QString& text) {
  header_hints_.at(column) = text;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void MatchTableModel::RowsAboutToChange(const RowsChange& change) {
  const int first = static_cast<int>(change.first);
  const int last = static_cast<int>(change.first + change.count) - 1;
  switch (change.kind) {
    case RowsChange::Kind::kReset:
      beginResetModel();
      break;
    case RowsChange::Kind::kInsert:
      beginInsertRows({}, first, last);
      break;
    case RowsChange::Kind::kRemove:
      beginRemoveRows({}, first, last);
      break;
    case RowsChange::Kind::kReorder:
      emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
      break;
    case RowsChange::Kind::kValues:
      break;
  }
}

void MatchTableModel::RowsChanged(const RowsChange& change) {
  switch (change.kind) {
    case RowsChange::Kind::kReset:
      endResetModel();
      break;
    case RowsChange::Kind::kInsert:
      endInsertRows();
      break;
    case RowsChange::Kind::kRemove:
      endRemoveRows();
      break;
    case RowsChange::Kind::kReorder: {
      std::vector<int> new_position(change.order->size());
      for (std::size_t k = 0; k < change.order->size(); ++k) {
        new_position[(*change.order)[k]] = static_cast<int>(k);
      }
      const QModelIndexList before = persistentIndexList();
      QModelIndexList after;
      for (const QModelIndex& old_index : before) {
        after.append(index(new_position[old_index.row()], old_index.column()));
      }
      changePersistentIndexList(before, after);
      emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
      break;
    }
    case RowsChange::Kind::kValues:
      emit dataChanged(index(static_cast<int>(change.first), 0),
                       index(static_cast<int>(change.first + change.count) - 1, kColumnCount - 1));
      break;
  }
}

int MatchTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int MatchTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant MatchTableModel::DisplayText(const MatchRow& row, int column) const {
  if (const std::string* text = TextCell(row, column)) {
    return Shown(*text);
  }
  if (column == kStep1Column || column == kStep2Column) {
    if (row.steps_not_read) return QStringLiteral("–");
    return QString::fromStdString(FormatGeneral(NumberOf(row, column), decimal_separator_));
  }
  return {};
}

QString MatchTableModel::Hint(const MatchRow& row, int column) const {
  if ((column == kStep1Column || column == kStep2Column) && row.steps_not_read && problem_text_) {
    return problem_text_(*row.steps_not_read);
  }
  if (column == kTotalColumn && row.goals_model) {
    return GoalsModelLine(*row.goals_model, hint_language_, decimal_separator_);
  }
  if (column != kFlagColumn || row.championship.empty()) return {};
  return Shown(row.championship);
}

void MatchTableModel::SetMovementHint(std::function<QString(const MatchRow&, bool under)> hint) {
  movement_hint_ = std::move(hint);
}

void MatchTableModel::SetProblemText(std::function<QString(const PageProblem&)> text) {
  problem_text_ = std::move(text);
}

QVariant MatchTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const MatchRow& row = rows_[index.row()];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return DisplayText(row, column);
    case Qt::DecorationRole:
      if (column != kFlagColumn || flag_pictures_.empty()) return {};
      return row.flag >= 0 && row.flag < static_cast<int>(flag_pictures_.size())
                 ? flag_pictures_[row.flag]
                 : flag_pictures_.front();
    case Qt::ToolTipRole: {
      const QString hint = Hint(row, column);
      const QString moved = (column == kUnderColumn || column == kOverColumn) && movement_hint_
                                ? movement_hint_(row, column == kUnderColumn)
                                : QString();
      if (moved.isEmpty()) return hint.isEmpty() ? QVariant() : QVariant(hint);
      return hint.isEmpty() ? moved : hint + QLatin1Char('\n') + moved;
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(AlignmentOf(column));
    case Qt::BackgroundRole:
      if (EdgeMarked(row, column)) return EdgeMarkBackground();
      switch (ColourOf(row, column)) {
        case CellColour::kGreen:
          return QColor(0, 128, 0);
        case CellColour::kRed:
          return QColor(255, 0, 0);
        case CellColour::kNone:
          return {};
      }
      return {};
    case Qt::ForegroundRole:
      if (ColourOf(row, column) == CellColour::kNone) return {};
      return QColor(Qt::white);
    case Qt::FontRole:
      if ((column != kTotalColumn || !bold_total_) && !EdgeMarked(row, column)) return {};
      {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
    default:
      return {};
  }
}

QVariant MatchTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  if (role == Qt::DisplayRole) return headers_[section];
  if (role == Qt::ToolTipRole) {
    if (section == kUnderColumn || section == kOverColumn) {
      return header_hints_[section] + QLatin1Char('\n') + EdgeMarkHint(hint_language_);
    }
    if (section == kStep1Column || section == kStep2Column) {
      return header_hints_[section] + QLatin1Char('\n') +
             StepMarkRecordHint(section == kStep1Column ? 1 : 2, hint_language_);
    }
    return header_hints_[section];
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

Qt::ItemFlags MatchTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void MatchTableModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= kColumnCount) return;
  const auto less = [column](const MatchRow& a, const MatchRow& b) {
    if (column == kFlagColumn) return a.flag < b.flag;
    if (column == kStep1Column || column == kStep2Column) {
      const double x = NumberOf(a, column);
      const double y = NumberOf(b, column);
      return (std::isnan(x) && !std::isnan(y)) || x < y;  // NaN must not break the ordering
    }
    return *TextCell(a, column) < *TextCell(b, column);  // byte order of the page texts
  };
  std::vector<std::size_t> sorted(rows_.size());
  std::iota(sorted.begin(), sorted.end(), 0);
  const bool step_column = column == kStep1Column || column == kStep2Column;
  std::stable_sort(sorted.begin(), sorted.end(), [&](std::size_t a, std::size_t b) {
    // Indicators not read follow every number, in either order.
    const bool a_missing = step_column && rows_[a].steps_not_read.has_value();
    const bool b_missing = step_column && rows_[b].steps_not_read.has_value();
    if (a_missing || b_missing) return !a_missing;
    return order == Qt::AscendingOrder ? less(rows_[a], rows_[b]) : less(rows_[b], rows_[a]);
  });
  reorder_(sorted);
}

}  // namespace kavero::app
