#include "results/save_results.h"

#include "results/previous_saves.h"
#include "results/replace_file.h"
#include "results/saved_text.h"
#include "web/fetch_problem.h"

namespace kavero {

SaveOutcome SaveResults(const MatchTable& table, const SaveContext& context) {
  const std::string text = SavedText(table, context.decimal_separator);
  SaveOutcome outcome;
  if (context.language == Language::kRussian) {
    const std::string& server = context.publishing_server;
    outcome.publishing = Publishing::kAlreadyThere;
    if (!context.probe(server + "kavero/" + context.today + ".txt")) {
      const std::string address = server + "kavero/file.php";
      outcome.failure = FetchProblem(
          address, context.client.PostForm(address, {"datas=" + context.today, "stext=" + text}));
      outcome.publishing = outcome.failure ? Publishing::kFailed : Publishing::kSent;
    }
  }
  KeepPreviousSave(context.file_path, text, context.previous_saves_folder, context.now);
  ReplaceFile(context.file_path, text);
  return outcome;
}

}  // namespace kavero
