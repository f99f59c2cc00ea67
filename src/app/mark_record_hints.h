#pragma once
// What the window's marks have been worth on real football, for the hints of
// the Step1, Step2, Under and Over headers. The figures are those of
// data/mark-records.txt, compiled in.
#include <QString>

#include "app/goals_hints.h"
#include "base/language.h"

namespace kavero::app {

// Both marks of the Step1 (`step` 1) or Step2 (`step` 2) column, one line each.
QString StepMarkRecordHint(int step, Language language);
// The value mark of the Under and Over columns.
QString ValueMarkRecordHint(Language language);

}  // namespace kavero::app
