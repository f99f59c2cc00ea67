#include "line/name_translation.h"

#include <gtest/gtest.h>

#include <string>

#include "base/cp1251_literal.h"
#include "base/encoding.h"

namespace kavero {
namespace {

using namespace kavero::literals;

// Dictionaries and names are written in UTF-8 here and handed over in Windows-1251.
std::string W(std::string_view utf8) {
  return Utf8ToCp1251(utf8).value();
}

struct Case {
  const char* what;
  const char* dictionary;
  const char* name;
  const char* expected;
};

class TeamTranslation : public ::testing::TestWithParam<Case> {};

TEST_P(TeamTranslation, LooksUpTheRightPartAndGivesTheLeftPart) {
  const Case& c = GetParam();
  EXPECT_EQ(TranslateTeam(W(c.dictionary), W(c.name)), W(c.expected)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TeamTranslation,
    ::testing::Values(Case{"exact", "Spartak=Спартак\r\nZenit=Зенит\r\n", "Зенит", "Zenit"},
                      Case{"Cyrillic case folded", "Zenit=Зенит", "ЗЕНИТ", "Zenit"},
                      Case{"Latin case folded", "Ajax=AFC Ajax", "afc AJAX", "Ajax"},
                      Case{"blanks around = ignored", "  Zenit \t=  Зенит  ", "Зенит", "Zenit"},
                      Case{"blanks in the name count", "Zenit=Зенит", " Зенит", " Зенит"},
                      Case{"lone CR and LF end lines", "A=Альфа\rB=Бета\nC=Цэ", "Бета", "B"},
                      Case{"line without = gives an empty name", "Зенит\r\nZenit=Зенит", "Зенит",
                           ""},
                      Case{"further = belong to the right part", "X=a=b", "a=b", "X"},
                      Case{"first line wins", "One=Зенит\nTwo=Зенит", "Зенит", "One"},
                      Case{"nothing matches", "Zenit=Зенит", "Спартак", "Спартак"},
                      Case{"the left part is never looked up", "Zenit=Зенит", "Zenit", "Zenit"},
                      Case{"empty dictionary", "", "Зенит", "Зенит"}));

class ChampionshipTranslation : public ::testing::TestWithParam<Case> {};

TEST_P(ChampionshipTranslation, MatchesFragmentsEitherWay) {
  const Case& c = GetParam();
  EXPECT_EQ(TranslateChampionship(W(c.dictionary), W(c.name)), W(c.expected)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChampionshipTranslation,
    ::testing::Values(
        Case{"fragment in the name", "Англия=England", "Футбол. Англия. Премьер-лига", "England"},
        Case{"case folded", "АНГЛИЯ. премьер=England. Premier", "Футбол. Англия. Премьер-лига",
             "England. Premier"},
        Case{"name inside a longer fragment", "Футбол. Англия. Премьер-лига=EPL", "Англия", "EPL"},
        Case{"first fragment wins over a longer later one",
             "Англия=England\r\nАнглия. Премьер=England. Premier", "Англия. Премьер-лига",
             "England"},
        Case{"blanks around = ignored", "  Испания  =  Spain  ", "Испания. Ла Лига", "Spain"},
        Case{"empty left part never decides", "=Nothing\r\nЗенит\r\nИталия=Italy",
             "Италия. Серия А", "Italy"},
        Case{"empty name is never translated", "Италия=Italy", "", ""},
        Case{"nothing matches", "Италия=Italy", "Германия", "Германия"}));

TEST(TranslationCache, FollowsTheDictionaryWhenItChanges) {
  // The parsed lines are kept between calls; a new text must not see old lines.
  const std::string first = W("Zenit=Зенит");
  const std::string second = W("Zenith=Зенит");
  const std::string championships = W("Италия=Italy");
  EXPECT_EQ(TranslateTeam(first, W("Зенит")), "Zenit");
  EXPECT_EQ(TranslateChampionship(championships, W("Италия")), "Italy");
  EXPECT_EQ(TranslateTeam(second, W("Зенит")), "Zenith");
  EXPECT_EQ(TranslateTeam(first, W("Зенит")), "Zenit");
}

TEST(TranslationText, EndsAtTheFirstNulByte) {
  const std::string dictionary = W("A=Альфа\r\n") + std::string(1, '\0') + W("B=Бета\r\n");
  EXPECT_EQ(TranslateTeam(dictionary, W("Бета")), W("Бета"));
  EXPECT_EQ(TranslateTeam(dictionary, W("Альфа")), "A");
}

}  // namespace
}  // namespace kavero
