// The goals model against the demo site's world: whole seasons of every
// championship are played from the clubs' strengths, the model is given before
// each round what the two team pages show, and its chance of "over 2.5" is
// compared with what happened, beside the market's fair chance from the
// demo's odds and the base rate. For comparison, the same league rows with
// each team's goals a match pulled towards a prior by a number of games.
//
//   kavero-calibration [MIN_MATCHES=20000] [FIRST_SEED=1]
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "base/field_line.h"
#include "base/text_cuts.h"
#include "random.h"
#include "season.h"
#include "stats/goals_model.h"
#include "stats/team_page.h"
#include "team_pages.h"
#include "web/http_client.h"

namespace kavero::demo {
namespace {

constexpr double kPriorGoals = 2.7;  // goals a match before a team has played
constexpr double kPriorGames = 30;   // how many games the prior weighs

// Team pages served straight from the world as it stands.
class WorldPages : public PageSource {
 public:
  explicit WorldPages(const World& world) : world_(world) {}
  FetchResult Get(const std::string& address) override {
    const auto page = TeamPage(world_, std::atoi(address.c_str()), Language::Russian);
    return page ? FetchResult{*page, true, ""} : FetchResult{"", false, "no page"};
  }

 private:
  const World& world_;
};

struct Outcome {
  double model;                  // the model's chance of over 2.5
  double shrunk;                 // the same from the pulled goals
  std::optional<double> market;  // the market's fair chance, when it offers 2.5
  bool over;                     // three goals or more
};

// What LoadMatchStats puts into the league table row of a team.
LeagueRow LeagueRowOf(WorldPages& pages, const World& world, int club) {
  const std::string name = Utf8ToCp1251(world.clubs[club].russian).value_or("");
  const std::string text = ReadTeamPage(pages, name, std::to_string(World::ClubPageId(club)));
  const std::string_view record = SplitLines(text).front();
  LeagueRow row;
  for (int field = 0; field < 8; ++field) row.cells[field] = GetField(record, field + 1);
  return row;
}

// Goals a match in a team's games, pulled towards the prior.
double PulledGoals(const TeamGoals& team) {
  return (team.scored + team.conceded + kPriorGames * kPriorGoals) / (team.games + kPriorGames);
}

double ChanceOfOver25(double mean) {
  return 1 - ChanceAtMost(mean, 2);
}

// One season of every championship of the world built from `seed`; appends
// the matches the model could judge and counts those it could not.
void PlaySeasons(std::uint64_t seed, std::vector<Outcome>& outcomes, int& without_model) {
  const Day today = std::chrono::sys_days(std::chrono::year{2026} / 12 / 10);
  World world = BuildWorld({.seed = seed, .matches = 0, .today = today});
  world.played.clear();
  world.history.assign(world.clubs.size(), {});
  WorldPages pages(world);
  for (std::size_t c = 0; c < world.championships.size(); ++c) {
    const SeasonPlan plan = PlanSeason(world.championships[c], static_cast<int>(c), today);
    Random goals(seed, 7000 + c);
    Random pricing(seed, 8000 + c);
    for (const auto& round : plan.rounds) {
      // A round kicks off together: every page shows the rounds before it.
      std::vector<std::optional<Outcome>> judged;
      for (const auto& [home, away] : round) {
        const GoalMeans means = ExpectedGoals(world, home, away);
        const MatchOdds odds = PriceMatch(
            means.home, means.away, {pricing.Between(0.055, 0.075), pricing.Between(0.3, 0.7)});
        const LeagueRow home_row = LeagueRowOf(pages, world, home);
        const LeagueRow away_row = LeagueRowOf(pages, world, away);
        const auto model = ComputeGoalsModel(home_row, away_row, TotalText(odds.total),
                                             PriceText(odds.under), PriceText(odds.over));
        if (!model) {
          judged.emplace_back();
          continue;
        }
        const double pulled =
            (PulledGoals(*ReadTeamGoals(home_row)) + PulledGoals(*ReadTeamGoals(away_row))) / 2;
        judged.push_back(Outcome{ChanceOfOver25(model->total_goals), ChanceOfOver25(pulled),
                                 odds.total == 2.5 ? std::optional(model->over.fair) : std::nullopt,
                                 false});
      }
      for (std::size_t m = 0; m < round.size(); ++m) {
        const auto [home, away] = round[m];
        const GoalMeans means = ExpectedGoals(world, home, away);
        PlayedMatch match;
        match.day = today;
        match.home = home;
        match.away = away;
        match.home_goals = goals.Poisson(means.home);
        match.away_goals = goals.Poisson(means.away);
        match.current_season = true;
        world.history[home].push_back(static_cast<int>(world.played.size()));
        world.history[away].push_back(static_cast<int>(world.played.size()));
        world.played.push_back(match);
        if (!judged[m]) {
          ++without_model;
          continue;
        }
        judged[m]->over = match.home_goals + match.away_goals > 2;
        outcomes.push_back(*judged[m]);
      }
    }
  }
}

double Brier(double chance, bool happened) {
  const double miss = chance - (happened ? 1 : 0);
  return miss * miss;
}

// The ten buckets and the Brier scores of one estimator; whether it meets the target.
bool Report(const char* title, const std::vector<Outcome>& outcomes, double Outcome::*chance) {
  struct Bucket {
    double predicted = 0, observed = 0;
    int count = 0;
  };
  std::array<Bucket, 10> buckets;
  double overs = 0, priced_overs = 0;
  int priced = 0;
  for (const Outcome& o : outcomes) {
    overs += o.over;
    if (o.market) priced_overs += o.over, ++priced;
  }
  const double base = overs / outcomes.size();
  const double priced_base = priced_overs / priced;
  double brier = 0, base_brier = 0, priced_brier = 0, market_brier = 0, priced_base_brier = 0;
  for (const Outcome& o : outcomes) {
    const double p = o.*chance;
    Bucket& bucket = buckets[std::min(9, static_cast<int>(p * 10))];
    bucket.predicted += p;
    bucket.observed += o.over;
    ++bucket.count;
    brier += Brier(p, o.over);
    base_brier += Brier(base, o.over);
    if (o.market) {
      priced_brier += Brier(p, o.over);
      market_brier += Brier(*o.market, o.over);
      priced_base_brier += Brier(priced_base, o.over);
    }
  }

  std::printf("%s\n\n| Over 2.5 chance | Predicted | Observed | Matches | Within 3 pp |\n", title);
  std::printf("|---|---|---|---|---|\n");
  bool calibrated = true;
  for (int b = 0; b < 10; ++b) {
    const Bucket& bucket = buckets[b];
    if (bucket.count == 0) {
      std::printf("| %d-%d %% | – | – | 0 | |\n", b * 10, b * 10 + 10);
      continue;
    }
    const double predicted = bucket.predicted / bucket.count;
    const double observed = bucket.observed / bucket.count;
    const bool close = std::abs(predicted - observed) <= 0.03;
    if (bucket.count >= 500 && !close) calibrated = false;
    std::printf("| %d-%d %% | %.1f %% | %.1f %% | %d | %s |\n", b * 10, b * 10 + 10,
                predicted * 100, observed * 100, bucket.count,
                bucket.count < 500 ? "(under 500)"
                : close            ? "yes"
                                   : "NO");
  }
  const bool better = brier < base_brier;
  std::printf("\nBrier score, all %zu matches: model %.4f, base rate (%.1f %%) %.4f\n",
              outcomes.size(), brier / outcomes.size(), base * 100, base_brier / outcomes.size());
  std::printf(
      "Brier score, the %d matches the demo prices at 2.5: model %.4f, market's fair "
      "chance %.4f, base rate (%.1f %%) %.4f\n",
      priced, priced_brier / priced, market_brier / priced, priced_base * 100,
      priced_base_brier / priced);
  std::printf("Target (every bucket of 500 or more within 3 pp, Brier below the base rate): %s\n\n",
              calibrated && better ? "met" : "NOT met");
  return calibrated && better;
}

}  // namespace
}  // namespace kavero::demo

int main(int argc, char** argv) {
  using namespace kavero::demo;
  const std::size_t wanted = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 20000;
  const std::uint64_t first_seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  std::vector<Outcome> outcomes;
  int without_model = 0;
  std::uint64_t seed = first_seed;
  for (; outcomes.size() < wanted; ++seed) PlaySeasons(seed, outcomes, without_model);

  std::printf(
      "Goals model calibration on the demo world: %zu matches (worlds of seeds %llu-%llu, "
      "a season of every championship each; %d matches without a model, every team "
      "yet to play, left out)\n\n",
      outcomes.size(), static_cast<unsigned long long>(first_seed),
      static_cast<unsigned long long>(seed - 1), without_model);
  Report("The model (league rows as they stand):", outcomes, &Outcome::model);
  char title[160];
  std::snprintf(title, sizeof title,
                "For comparison, each team's goals a match pulled towards %.1f by %.0f games:",
                kPriorGoals, kPriorGames);
  Report(title, outcomes, &Outcome::shrunk);
  return 0;
}
