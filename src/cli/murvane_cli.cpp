// murvane-cli.exe: the console face of Murvane, working on the data files
// beside the executable.
//
//   murvane-cli list     every track: section, key, caption, 1/0 (selected?)
#include <cstdio>
#include <string>

#include "catalogue/catalogue.h"
#include "platform/process.h"

namespace {

constexpr int kUsageExit = 2;

void PrintUsage() {
  std::fputs(
      "usage: murvane-cli <verb>\n"
      "\n"
      "verbs:\n"
      "  list      print every track: section, key, caption and 1 when a cleaning pass\n"
      "            would select it under the settings file beside the program, else 0\n",
      stderr);
}

int List(const std::string& programFolder) {
  const std::string settings = catalogue::SettingsFile(programFolder);
  for (const catalogue::Track& track : catalogue::Tracks()) {
    std::printf("%s\t%s\t%s\t%d\n", track.section, track.key, track.caption,
                catalogue::IsTrackSelected(settings, track) ? 1 : 0);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string programFolder = platform::ExecutableFolder();
  if (argc == 2 && std::string(argv[1]) == "list") return List(programFolder);
  PrintUsage();
  return kUsageExit;
}
