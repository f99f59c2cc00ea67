#include "results/save_results.h"

#include "results/replace_file.h"
#include "results/saved_text.h"

namespace kavero {

void SaveResults(const MatchTable& table, const SaveContext& context) {
  const std::string text = SavedText(table, context.decimal_separator);
  if (context.language == "RUS") {
    const std::string& server = context.publishing_server;
    if (!context.probe(server + "kavero/" + context.today + ".txt")) {
      context.client.PostForm(server + "kavero/file.php",
                              {"datas=" + context.today, "stext=" + text});
    }
  }
  ReplaceFile(context.file_path, text);
}

}  // namespace kavero
