// A user profile for track tests: the roaming, local and documents folders, a
// program folder with its settings file, and whatever files, registry keys,
// registry values and INI sections a test builds into it, each remembered
// under a short name so a test can say what must be gone and what must stay.
//
// Item names:
//   "Roaming\a\b.txt"           a file below the profile's scratch root
//   "C:\Program Files\x\y"      a file at a fixed path (removed again at the end)
//   "HKCU\Software\k"           a registry key (HKCU or HKLM)
//   "HKCU\Software\k|name"      a registry value
//   "Local\x\c.ini[Section]"    a section of an INI file
//
// Fixed places that tracks erase (registry keys outside the scratch key, the
// Yahoo! folder under C:\Program Files) are registered with ClaimKey and
// ClaimFolder: they are removed when claimed and again when the profile goes,
// so leftovers of one test never reach the next. Everything lives in the Wine
// test prefix.
#pragma once

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/cleaning_pass.h"
#include "platform/win.h"
#include "primitives/allerase.h"
#include "support/recording_view.h"
#include "support/scratch.h"

namespace testing_support {

// Also records the progress value standing when each row was added.
class ProgressRecordingView : public RecordingView {
 public:
  void AddRow(const std::string& caption, const std::string& status) override {
    RecordingView::AddRow(caption, status);
    progressAtRow.push_back(progress.empty() ? engine::kNoProgress : progress.back());
  }
  std::vector<int> progressAtRow;
};

// Collects what a preview reports.
class CollectingSink : public allerase::EraseSink {
 public:
  void OnItem(const allerase::ErasedItem& item) override { items.push_back(item); }
  std::vector<allerase::ErasedItem> items;
};

struct PassResult {
  engine::PassOutcome outcome;
  ProgressRecordingView view;
};

class UserProfile {
 public:
  UserProfile();
  ~UserProfile();
  UserProfile(const UserProfile&) = delete;
  UserProfile& operator=(const UserProfile&) = delete;

  const std::string& root() const { return scratch_.path(); }
  // A path below the root, or a fixed path as it stands.
  std::string Path(const std::string& name) const;
  std::string Roaming() const { return Path("Roaming"); }
  std::string Local() const { return Path("Local"); }
  std::string Documents() const { return Path("Documents"); }
  std::string ProgramFolder() const { return Path("Program"); }

  // A file of `size` bytes; sizes differ from file to file unless given, so a
  // total that counts a wrong file shows.
  void AddFile(const std::string& name, size_t size = 0);
  // Files with the given names in one folder.
  void AddFiles(const std::string& folder, std::initializer_list<const char*> names);
  // A folder item: its presence is checked like a file's (a deleted folder
  // is gone, an emptied one stays). It holds no bytes of its own.
  void AddFolder(const std::string& name);
  // An existing file (one written by AddIniSection) as an item of its real size.
  void TrackFile(const std::string& name);
  void AddKey(const std::string& key);  // with one value so it is not empty
  void AddValue(const std::string& key, const std::string& valueName, const std::string& data);
  // An INI section with one key, written with the platform's profile functions.
  void AddIniSection(const std::string& file, const std::string& section);

  // Removes a fixed key (with everything below it) or folder now and when the
  // profile goes.
  void ClaimKey(const std::string& key);
  void ClaimFolder(const std::string& folder);

  // What the tracks read as the documents folder ("Error" for a failed read).
  void SetDocumentsFolder(const std::string& text) { documents_ = text; }

  void Select(const std::string& section, const std::string& key, const std::string& value = "1");

  engine::PassEnvironment Environment() const;
  PassResult Run() const;
  PassResult Preview(allerase::EraseSink& sink) const;

  // Every item, in the order added.
  const std::vector<std::string>& Items() const { return items_; }
  bool Present(const std::string& item) const;
  // The summed sizes of the named file items.
  double SizeOf(const std::vector<std::string>& files) const;
  // Items that are gone but should not be, and items that remain but should
  // be gone; empty when the profile holds exactly all items but `gone`.
  std::vector<std::string> Unexpected(const std::set<std::string>& gone) const;

 private:
  void MakeFoldersOnce(const std::string& path);

  ScratchFolder scratch_;
  std::set<std::string> madeFolders_;
  std::string documents_;
  std::vector<std::string> items_;
  std::map<std::string, size_t> sizes_;
  std::vector<std::string> claimedKeys_;
  std::vector<std::string> claimedFolders_;
  size_t nextSize_ = 100;
};

// One track run alone on a built profile: what it must erase and credit.
struct TrackCase {
  const char* section;
  const char* key;
  const char* caption;  // of the status row
  int progress;         // the value the track sets, or engine::kNoProgress
  std::vector<std::string> gone;
  double registry = 0;
};

// Everything the tracks of `cases` erase together.
std::set<std::string> AllGone(const std::vector<TrackCase>& cases);

// The total size of the profile's items named in `items`.
double SizeOf(const UserProfile& profile, const std::set<std::string>& items);

// Selects only `track` in `profile`, runs a pass, and checks the rows, the
// progress standing at the row (`standing`), what is gone and what stayed,
// and both totals.
void ExpectTrackAlone(UserProfile& profile, const TrackCase& track, int standing);

// The progress value a pass leaves standing just before the track of
// `section` and `key` starts, as the pass plan sets it.
int ProgressBefore(const char* section, const char* key);

// Splits "HKCU\sub\key" into its root and subkey; nullptr for another form.
HKEY SplitKey(const std::string& key, std::string& subkey);

// Sets a string value, creating the key (the empty name is the default value).
void SetRegString(const std::string& key, const std::string& valueName, const std::string& data);
bool KeyExists(const std::string& key);

}  // namespace testing_support
