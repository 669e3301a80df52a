// murvane-cli.exe: the console face of Murvane, working on the data files
// beside the executable.
//
//   murvane-cli list     every track: section, key, caption, 1/0 (selected?)
//   murvane-cli clean    one cleaning pass, a line per track, then the report
//   murvane-cli preview  what a pass would erase, changing nothing
#include <cstdio>
#include <iostream>
#include <string>

#include "catalogue/catalogue.h"
#include "engine/console_pass.h"
#include "platform/process.h"

namespace {

constexpr int kUsageExit = 2;

void PrintUsage() {
  std::fputs(
      "usage: murvane-cli <verb>\n"
      "\n"
      "verbs:\n"
      "  list      print every track: section, key, caption and 1 when a cleaning pass\n"
      "            would select it under the settings file beside the program, else 0\n"
      "  clean     run one cleaning pass with the settings file beside the program:\n"
      "            each track's caption and state when it ends, then the report\n"
      "  preview   print what each selected track would erase, then the totals;\n"
      "            nothing is erased and the statistics are not written\n",
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
  const std::string verb = argc == 2 ? argv[1] : "";
  if (verb == "list") return List(programFolder);
  if (verb == "clean") return engine::RunConsolePass(programFolder, std::cout, false);
  if (verb == "preview") return engine::RunConsolePass(programFolder, std::cout, true);
  PrintUsage();
  return kUsageExit;
}
