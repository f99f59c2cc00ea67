#pragma once
// Every caption that has an English and a Russian version, and the texts the
// window shows before any language is applied.
#include <QString>
#include <array>

#include "app/goals_hints.h"

namespace kavero::app {

struct Captions {
  QString free_ware;                       // spSkinShadowLabel3
  QString help;                            // spSkinXFormButton2
  std::array<QString, 11> match_headers;   // by column; 0 and 8 are never changed
  std::array<QString, 3> history_headers;  // SG1, SG2, SG3
  QString date_label;                      // spSkinStdLabel1
  QString step1_label;                     // spSkinShadowLabel1
  QString step2_label;                     // spSkinShadowLabel2
  QString without_totals;                  // ch
  QString found_label;                     // spSkinStdLabel2
  QString start;                           // spSkinXFormButton1
  QString save2;                           // SAVE2
  QString go_total_all2;                   // GoTotalAll2
  QString save1;                           // Save1
  QString go_total_all1;                   // GoTotalAll1
  QString export_csv;                      // ExportCsv1, ExportCsv2
  QString past_seasons;                    // PastSeasons1, PastSeasons2
  QString my_record;                       // MyRecord1, MyRecord2
  Language language;                       // of the texts and the goals model's hints
  // Hints of the column headers, by column, in the interface language.
  std::array<QString, 11> match_hints;   // NextGrid1, NextGrid2
  std::array<QString, 3> history_hints;  // SG1, SG2, SG3
  std::array<QString, 8> tur_hints;      // TUR
  std::array<QString, 8> totals_hints;   // TOT_COM
};

const Captions& LayoutCaptions();
const Captions& EnglishCaptions();
const Captions& RussianCaptions();

}  // namespace kavero::app
