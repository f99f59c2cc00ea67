// kavero-demo-site: a bookmaker, league pages and a publisher on 127.0.0.1,
// generated from a seed, for trying KAVERO without the real sites.
#include <httplib.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "base/data_folder.h"
#include "options.h"
#include "site.h"
#include "world.h"

namespace {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : executable.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kavero::demo;
  const ParsedOptions parsed = ParseOptions({argv + 1, argv + argc});
  if (!parsed.error.empty()) {
    std::cerr << "kavero-demo-site: " << parsed.error << "\n" << kUsage;
    return 2;
  }
  if (parsed.help) {
    std::cout << kUsage;
    return 0;
  }
  const Options& options = parsed.options;
  const std::filesystem::path storage = options.storage.value_or(kavero::FolderForFiles(
      ExecutableFolder() / "kavero-demo-published", kavero::UserDataFolder() / "demo-published"));
  std::error_code error;
  std::filesystem::create_directories(storage, error);
  if (error) {
    std::cerr << "kavero-demo-site: cannot create " << storage << ": " << error.message() << "\n";
    return 1;
  }

  WorldOptions world;
  world.seed = options.seed;
  world.matches = options.matches;
  world.today = options.today.value_or(LocalToday());
  DemoSite site(world, storage, {options.latency, &std::cout});

  httplib::Server server;
  site.Register(server);
  if (!server.bind_to_port("127.0.0.1", options.port)) {
    std::cerr << "kavero-demo-site: cannot listen on 127.0.0.1:" << options.port
              << " (is the port taken?)\n";
    return 1;
  }
  site.WidenBacklog();
  std::cout << "KAVERO demo site on http://127.0.0.1:" << options.port << "/ (line from "
            << DayText(world.today) << ", " << options.matches << " matches, seed " << options.seed
            << "; published tables in " << storage.string() << ")" << std::endl;
  return server.listen_after_bind() ? 0 : 1;
}
