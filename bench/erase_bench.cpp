// How fast the erasure operations take a big cache apart, against the
// platform's own "del /s /q" on the same tree.
//
//   erase_bench.exe [rounds]
//
// Every measurement gets a freshly built tree of 20,000 files of 1 KiB in 200
// folders three levels deep (2 x 9 x 10), in a scratch folder of its own under
// the temp folder. A round times, in this order: DeleteAllFilesInTree,
// DeleteNamedFilesInTree (a name that 1 file in 100 has),
// DeleteFilesByExtInTree (1 in 10), the preview of those three, and
// cmd /c del /s /q. With more than one round, each figure is the median.
// Files per second counts the files walked, 20,000 for every operation.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/text.h"
#include "platform/win.h"
#include "primitives/allerase.h"

namespace {

constexpr int kTopFolders = 2;
constexpr int kMiddleFolders = 9;
constexpr int kLeafFolders = 10;
constexpr int kFilesPerFolder = 100;
constexpr int kFolders =
    kTopFolders + kTopFolders * kMiddleFolders + kTopFolders * kMiddleFolders * kLeafFolders;
constexpr int kFiles = kFolders * kFilesPerFolder;
constexpr DWORD kFileSize = 1024;
static_assert(kFolders == 200 && kFiles == 20000);

// One file in a hundred carries this name, one in ten this extension.
constexpr const char* kNamedFile = "index.dat";
constexpr const char* kExtension = "tmp";

class NullSink : public allerase::EraseSink {
 public:
  void OnItem(const allerase::ErasedItem&) override { ++items; }
  int items = 0;
};

double Seconds() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void FillFolder(const std::wstring& folder, const std::string& bytes) {
  CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < kFilesPerFolder; ++i) {
    std::wstring name;
    if (i == 0) {
      name = platform::Widen(kNamedFile);
    } else if (i % 10 == 1) {
      name = L"f" + std::to_wstring(i) + L"." + platform::Widen(kExtension);
    } else {
      name = L"f" + std::to_wstring(i) + L".dat";
    }
    platform::FileHandle file(CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0,
                                          nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), kFileSize, &written, nullptr);
  }
}

void BuildTree(const std::wstring& root) {
  const std::string bytes(kFileSize, 'm');
  CreateDirectoryW(root.c_str(), nullptr);
  for (int a = 0; a < kTopFolders; ++a) {
    const std::wstring top = root + L"\\top" + std::to_wstring(a);
    FillFolder(top, bytes);
    for (int b = 0; b < kMiddleFolders; ++b) {
      const std::wstring middle = top + L"\\mid" + std::to_wstring(b);
      FillFolder(middle, bytes);
      for (int c = 0; c < kLeafFolders; ++c) {
        FillFolder(middle + L"\\leaf" + std::to_wstring(c), bytes);
      }
    }
  }
}

int CountFiles(const std::wstring& folder) {
  int count = 0;
  WIN32_FIND_DATAW data;
  platform::FindHandle find(FindFirstFileW((folder + L"\\*").c_str(), &data));
  if (!find) return 0;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      count += CountFiles(folder + L"\\" + name);
    } else {
      ++count;
    }
  } while (FindNextFileW(find.Get(), &data));
  return count;
}

// Runs a command line with its output discarded and waits for it.
bool RunQuietly(std::wstring commandLine) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  platform::FileHandle nul(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       &inherit, OPEN_EXISTING, 0, nullptr));
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nul.Get();
  startup.hStdOutput = nul.Get();
  startup.hStdError = nul.Get();
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

struct Measure {
  const char* name;
  std::function<void(const std::string&)> run;
  int filesLeft;  // what must remain of the tree afterwards
  std::vector<double> times;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;

  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring scratch =
      std::wstring(temp) + L"murvane-bench-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(scratch.c_str(), nullptr);

  NullSink sink;
  auto preview = [&sink](std::function<void()> op) {
    allerase::PreviewScope scope(sink);
    op();
  };
  std::vector<Measure> measures = {
      {"DeleteAllFilesInTree", [](auto& f) { allerase::DeleteAllFilesInTree(f); }, 0, {}},
      {"DeleteNamedFilesInTree",
       [](auto& f) { allerase::DeleteNamedFilesInTree(f, kNamedFile); },
       kFiles - kFiles / 100,
       {}},
      {"DeleteFilesByExtInTree",
       [](auto& f) { allerase::DeleteFilesByExtInTree(f, kExtension); },
       kFiles - kFiles / 10,
       {}},
      {"preview DeleteAllFilesInTree",
       [&](auto& f) { preview([&] { allerase::DeleteAllFilesInTree(f); }); },
       kFiles,
       {}},
      {"preview DeleteNamedFilesInTree",
       [&](auto& f) { preview([&] { allerase::DeleteNamedFilesInTree(f, kNamedFile); }); },
       kFiles,
       {}},
      {"preview DeleteFilesByExtInTree",
       [&](auto& f) { preview([&] { allerase::DeleteFilesByExtInTree(f, kExtension); }); },
       kFiles,
       {}},
      {"cmd /c del /s /q",
       [](auto& f) { RunQuietly(L"cmd.exe /c del /s /q \"" + platform::Widen(f) + L"\\*\""); },
       0,
       {}},
  };

  std::printf("Tree: %d files of %lu bytes in %d folders, three levels deep; %d round(s).\n",
              kFiles, kFileSize, kFolders, rounds);
  bool allRight = true;
  int run = 0;
  double buildTime = 0;
  for (int round = 0; round < rounds; ++round) {
    for (Measure& measure : measures) {
      const std::wstring tree = scratch + L"\\tree" + std::to_wstring(run++);
      const double buildStart = Seconds();
      BuildTree(tree);
      buildTime += Seconds() - buildStart;
      const std::string treeText = platform::Narrow(tree);
      const double start = Seconds();
      measure.run(treeText);
      measure.times.push_back(Seconds() - start);

      const int left = CountFiles(tree);
      if (left != measure.filesLeft) {
        std::printf("  %s left %d files, expected %d\n", measure.name, left, measure.filesLeft);
        allRight = false;
      }
      allerase::EmptyFolder(treeText);
      RemoveDirectoryW(tree.c_str());
    }
  }

  // What starting cmd alone costs, so the del figure can be read both ways.
  std::vector<double> startTimes;
  for (int i = 0; i < 3; ++i) {
    const double start = Seconds();
    RunQuietly(L"cmd.exe /c rem");
    startTimes.push_back(Seconds() - start);
  }
  RemoveDirectoryW(scratch.c_str());

  const double del = Median(measures.back().times);
  const double cmdStart = Median(startTimes);
  std::printf("Building one tree took %.2f s on average.\n\n", buildTime / run);
  std::printf("%-32s %9s %10s %14s\n", "operation", "seconds", "files/s", "time vs del");
  for (const Measure& measure : measures) {
    const double seconds = Median(measure.times);
    std::printf("%-32s %9.3f %10.0f %14.2f\n", measure.name, seconds, kFiles / seconds,
                seconds / del);
  }
  std::printf("\nStarting cmd alone takes %.3f s; del without it: %.3f s, %.0f files/s;\n",
              cmdStart, del - cmdStart, kFiles / (del - cmdStart));
  std::printf("DeleteAllFilesInTree against that: %.2f of its time.\n",
              Median(measures.front().times) / (del - cmdStart));
  std::printf("%s\n", allRight ? "Every tree was left as expected." : "SOME TREES WERE WRONG.");
  return allRight ? 0 : 1;
}
