// The instant-messenger and e-mail-reader tracks, run through whole passes on
// a user profile with the folders and registry keys of every such program.
#include <gtest/gtest.h>

#include "platform/win.h"
#include "support/track_profile.h"

namespace {

using testing_support::AllGone;
using testing_support::CollectingSink;
using testing_support::PassResult;
using testing_support::SizeOf;
using testing_support::TrackCase;
using testing_support::UserProfile;

constexpr int kNone = engine::kNoProgress;

const std::string kChatLogs = "Documents\\my chat logs\\";
const std::string kAimLogger = "Documents\\AIMLogger\\";
const std::string kIcqDocs = "Documents\\ICQ\\";
const std::string kIcqFiles1 = kIcqDocs + "ReceivedFiles";
const std::string kIcqFiles2 = kIcqDocs + "12345\\receivedfiles";
const std::string kIcqFiles3 = kIcqDocs + "67890\\deep\\RECEIVEDFILES";
const std::string kAim = "Local\\AIM\\";
const std::string kBuddies = "Roaming\\acccore\\caches\\users\\";
const std::string kIcq = "Roaming\\ICQ\\";
const std::string kAddressBook = "Roaming\\Microsoft\\Address Book\\";
const std::string kIdentity1 =
    "Local\\Identities\\{11111111-2222-3333-4444-555555555555}"
    "\\Microsoft\\Outlook Express\\";
const std::string kIdentity2 =
    "Local\\Identities\\{66666666-7777-8888-9999-000000000000}"
    "\\Microsoft\\Outlook Express\\";
const std::string kIdentity3 =
    "Local\\Identities\\{AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE}"
    "\\Microsoft\\Outlook Express\\";
const std::string kYahooFolder = "C:\\Program Files\\Yahoo!";
const std::string kYahoo = kYahooFolder + "\\Messenger\\";
const std::string kYahooHelp = "YahooHelp\\";
const std::string kStore = "WinMail\\";

constexpr const char* kYahooHelpTypeLib =
    "HKLM\\SOFTWARE\\Classes\\TypeLib\\{2B323CCC-50E3-11D3-9466-00A0C9700498}";
const std::string kYahooHelpDir = std::string(kYahooHelpTypeLib) + "\\1.0\\HELPDIR";
const std::string kPager = "HKCU\\Software\\Yahoo\\pager";
const std::string kIcqLow = "HKCU\\Software\\Microsoft\\Internet Explorer\\LowRegistry\\ICQ";
const std::string kAccountManager = "HKCU\\Software\\Microsoft\\Internet Account Manager";
const std::string kOe =
    "HKCU\\Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\Outlook "
    "Express\\5.0";
const std::string kOtherOe =
    "HKCU\\Identities\\{12345678-1234-1234-1234-123456789012}\\Software\\Microsoft\\Outlook "
    "Express\\5.0";
const std::string kMail = "HKCU\\Software\\Microsoft\\Windows Mail";
const std::string kComDlg =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32";

// The fixed places the tracks reach, removed before and after every test.
void ClaimFixedPlaces(UserProfile& profile) {
  profile.ClaimFolder(kYahooFolder);
  for (const std::string& key :
       {std::string(kYahooHelpTypeLib), std::string("HKCU\\Software\\Yahoo"), kIcqLow,
        kAccountManager, std::string("HKCU\\Identities"), kMail, kComDlg + "\\CIDSizeMRU",
        kComDlg + "\\LastVisitedPidlMRU", kComDlg + "\\OpenSavePidlMRU",
        kComDlg + "\\LastVisitedMRU"}) {
    profile.ClaimKey(key);
  }
}

struct ProfileOptions {
  const char* yahooHelpDir = "";  // "": the profile's help folder; nullptr: none
  bool mailStore = true;          // Windows Mail's "Store Root" value
};

void BuildMessengerProfile(UserProfile& profile, ProfileOptions options = {}) {
  ClaimFixedPlaces(profile);

  // Windows Live Messenger and AIM logs in the documents folder; the walks
  // keep the folders.
  profile.AddFiles(kChatLogs, {"chat1.xml"});
  profile.AddFolder(kChatLogs + "bob");
  profile.AddFiles(kChatLogs + "bob", {"chat2.xml"});
  profile.AddFiles("Documents\\my received files", {"photo.jpg"});
  profile.AddFiles(kAimLogger, {"log1.html"});
  profile.AddFiles(kAimLogger + "alice", {"log2.html"});

  // ICQ: received-files folders in three letter cases at three depths, and
  // names that only resemble them.
  for (const std::string& folder : {kIcqFiles1, kIcqFiles2, kIcqFiles3}) profile.AddFolder(folder);
  profile.AddFiles(kIcqFiles1, {"a.jpg"});
  profile.AddFiles(kIcqFiles2, {"b.doc"});
  profile.AddFiles(kIcqFiles3, {"c.zip"});
  profile.AddFiles(kIcqFiles3 + "\\sub", {"d.txt"});
  profile.AddFiles(kIcqDocs + "12345", {"notes.txt"});
  profile.AddFiles(kIcqDocs + "Received Files", {"e.txt"});
  profile.AddFiles("Documents\\ReceivedFiles", {"f.txt"});
  profile.AddFiles(kIcq, {"Application.qdb"});
  profile.AddFiles(kIcq + "12345", {"Application.qdb", "Messages.qdb", "Owner.qdb"});
  profile.AddFiles(kIcq + "67890", {"application.qdb", "Messages.qdb.bak"});
  profile.AddKey(kIcqLow + "\\ICQToolBar");
  profile.AddKey(kIcqLow + "\\ICQToolBar\\History");

  // AIM: aimx.bin directly in the AIM folder and once more below it.
  profile.AddFiles(kAim + "Settings", {"s1.xml"});
  profile.AddFiles(kAim + "Settings\\alice", {"s2.xml"});
  profile.AddFiles(kAim, {"aimx.bin", "aimx.bin.old"});
  profile.AddFiles(kAim + "alice", {"aimx.bin"});
  profile.AddFiles(kBuddies, {"u.dat"});
  profile.AddFiles(kBuddies + "alice", {"buddies.xml"});
  profile.AddFiles("Roaming\\acccore\\caches", {"other.dat"});

  // Yahoo! Messenger in its default folder, its help folder in the profile.
  profile.AddFiles(kYahoo + "Cache", {"y1.htm"});
  profile.AddFiles(kYahoo + "Cache\\img", {"y2.gif"});
  profile.AddFiles(kYahoo + "logs", {"l1.log"});
  profile.AddFiles(kYahoo, {"YahooMessenger.exe"});
  profile.AddFiles(kYahooHelp + "Profiles", {"p.dat"});
  profile.AddFiles(kYahooHelp + "Profiles\\alice", {"q.dat"});
  profile.AddFiles(kYahooHelp, {"help.chm"});
  profile.AddFiles("YahooHelpProfiles", {"r.dat"});
  if (options.yahooHelpDir) {
    const std::string helpDir = *options.yahooHelpDir ? profile.Path(options.yahooHelpDir)
                                                      : " " + profile.Path(kYahooHelp) + " ";
    testing_support::SetRegString(kYahooHelpDir, "", helpDir);
  }
  profile.AddValue(kPager, "Yahoo! User ID", "alice");
  profile.AddValue(kPager, "Auto Login", "1");
  profile.AddValue(kPager, "Save Password", "1");
  profile.AddKey(kPager + "\\profiles");
  profile.AddKey(kPager + "\\profiles\\alice");

  // Outlook Express: message stores of three identities, one with a store in
  // another letter case; settings under the fixed identity and another one.
  profile.AddFiles(kAddressBook, {"alice.wab", "alice.wab~"});
  profile.AddFiles(kAddressBook + "old", {"Backup.WAB"});
  profile.AddFiles("Roaming\\Microsoft", {"other.wab"});
  profile.AddFiles(kIdentity1, {"Inbox.dbx", "Deleted Items.dbx", "Sent Items.dbx", "Outbox.dbx",
                                "Folders.dbx"});
  profile.AddFiles(kIdentity2, {"Deleted Items.dbx", "Sent Items.dbx", "Outbox.dbx", "Folders.dbx",
                                "Offline.dbx"});
  profile.AddFiles(kIdentity3, {"deleted items.dbx"});
  profile.AddFiles("Local\\Outlook Express", {"Deleted Items.dbx"});
  profile.AddKey(kAccountManager);
  profile.AddKey(kAccountManager + "\\Accounts\\00000001");
  profile.AddKey(kOe);
  profile.AddKey(kOe + "\\Block Senders");
  profile.AddKey(kOe + "\\Block Senders\\Mail");
  profile.AddKey(kOe + "\\Rules");
  profile.AddKey(kOe + "\\Rules\\Mail");
  profile.AddKey(kOe + "\\Rules\\Mail\\000");
  profile.AddKey(kOe + "\\Rules\\News");
  profile.AddKey(kOe + "\\signatures");
  profile.AddKey(kOe + "\\signatures\\00000000");
  profile.AddKey(kOtherOe + "\\Rules\\Mail");

  // Windows Mail: a store folder with account files, and its keys.
  if (options.mailStore) profile.AddValue(kMail, "Store Root", profile.Path("WinMail"));
  profile.AddFiles(kStore, {"account{AAA}.oeaccount", "x.oeaccount.bak"});
  profile.AddFiles(kStore + "Local Folders", {"news.OEACCOUNT"});
  profile.AddFiles(kStore + "Local Folders\\Inbox", {"msg.eml"});
  profile.AddKey(kMail + "\\Recent Stationery Wide List");
  profile.AddKey(kMail + "\\Recently Used Addresses");
  profile.AddKey(kMail + "\\Junk Mail");
  profile.AddKey(kMail + "\\Junk Mail\\Block Senders List");
  profile.AddKey(kMail + "\\Junk Mail\\Safe Senders List");
  profile.AddKey(kMail + "\\Rules\\Mail");
  profile.AddKey(kMail + "\\Rules\\News");
  profile.AddKey(kMail + "\\signatures\\00000000");
  profile.AddKey(kComDlg + "\\CIDSizeMRU");
  profile.AddKey(kComDlg + "\\LastVisitedPidlMRU");
  profile.AddKey(kComDlg + "\\OpenSavePidlMRU");
  profile.AddKey(kComDlg + "\\OpenSavePidlMRU\\txt");
  profile.AddKey(kComDlg + "\\LastVisitedMRU");
}

const std::vector<std::string> kApplicationQdb = {kIcq + "Application.qdb",
                                                  kIcq + "12345\\Application.qdb"};
const std::vector<std::string> kBlockList = {kMail + "\\Junk Mail\\Block Senders List"};

std::vector<TrackCase> MessengerCases() {
  return {
      {"Messenger",
       "msnchat",
       "Windows Live Messenger chat log folder",
       kNone,
       {kChatLogs + "chat1.xml", kChatLogs + "bob\\chat2.xml"}},
      {"Messenger",
       "msnfiles",
       "Windows Live Messenger Received Files folder",
       44,
       {"Documents\\my received files\\photo.jpg"}},
      {"Messenger",
       "yahoopage",
       "Yahoo! Messenger Page settings",
       kNone,
       {kPager + "|Yahoo! User ID", kPager + "|Auto Login"},
       2},
      {"Messenger",
       "yahooprofiles",
       "Yahoo! Messenger profiles",
       45,
       {kPager + "\\profiles", kPager + "\\profiles\\alice", kYahooHelp + "Profiles\\p.dat",
        kYahooHelp + "Profiles\\alice\\q.dat"},
       5},
      {"Messenger",
       "yahoofiles",
       "Yahoo! Messenger Temporary Internet Files",
       kNone,
       {kYahoo + "Cache\\y1.htm", kYahoo + "Cache\\img\\y2.gif"}},
      {"Messenger", "yahoologs", "Yahoo! Messenger Log Files", kNone, {kYahoo + "logs\\l1.log"}},
      {"Messenger",
       "aolsettings",
       "AOL Instant Messenger settings",
       kNone,
       {kAim + "Settings\\s1.xml", kAim + "Settings\\alice\\s2.xml"}},
      {"Messenger",
       "aolnames",
       "AOL Instant Messenger Recent screen names",
       46,
       {kAim + "aimx.bin"}},
      {"Messenger", "aolpassword", "AOL Messenger user password", kNone, {kAim + "aimx.bin"}},
      {"Messenger",
       "aolbuddy",
       "AOL Information about Buddy list",
       kNone,
       {kBuddies + "u.dat", kBuddies + "alice\\buddies.xml"}},
      {"Messenger",
       "aollogs",
       "AOL Messenger logs",
       kNone,
       {kAimLogger + "log1.html", kAimLogger + "alice\\log2.html"}},
      {"Messenger", "icqsign", "AOL Messenger Sign in history", 47, kApplicationQdb},
      {"Messenger", "icquser", "ICQ User history", kNone, {kIcq + "12345\\Messages.qdb"}},
      {"Messenger", "icqcontact", "ICQ contact list", kNone, {kIcq + "12345\\Owner.qdb"}},
      {"Messenger", "icqaccount", "ICQ Account", kNone, kApplicationQdb},
      {"Messenger",
       "icqfiles",
       "ICQ All the files received from the other users",
       kNone,
       {kIcqFiles1, kIcqFiles1 + "\\a.jpg", kIcqFiles2, kIcqFiles2 + "\\b.doc", kIcqFiles3,
        kIcqFiles3 + "\\c.zip", kIcqFiles3 + "\\sub\\d.txt"}},
      {"Messenger",
       "icqsearch",
       "ICQ Toolbar search history",
       kNone,
       {kIcqLow + "\\ICQToolBar\\History"},
       3},
  };
}

std::vector<TrackCase> MailCases() {
  return {
      {"outlook",
       "address",
       "outlook express address book",
       55,
       {kAddressBook + "alice.wab", kAddressBook + "old\\Backup.WAB"}},
      {"outlook",
       "accounts",
       "outlook express Accounts",
       kNone,
       {kAccountManager, kAccountManager + "\\Accounts\\00000001"},
       5},
      {"outlook",
       "deleted",
       "outlook express deleted email",
       59,
       {kIdentity1 + "Deleted Items.dbx", kIdentity2 + "Deleted Items.dbx"}},
      {"outlook",
       "sent",
       "outlook express sent email",
       kNone,
       {kIdentity1 + "Sent Items.dbx", kIdentity2 + "Sent Items.dbx"}},
      {"outlook",
       "outbox",
       "outlook express outbox email",
       60,
       {kIdentity1 + "Outbox.dbx", kIdentity2 + "Outbox.dbx"}},
      {"outlook",
       "blocked",
       "outlook express blocked senders list",
       kNone,
       {kOe + "\\Block Senders", kOe + "\\Block Senders\\Mail"},
       6},
      {"outlook",
       "created",
       "outlook express history of Outlook folders you created",
       kNone,
       {kIdentity1 + "Folders.dbx", kIdentity2 + "Folders.dbx"}},
      {"outlook",
       "mailrules",
       "outlook express mail rules",
       kNone,
       {kOe + "\\Rules\\Mail", kOe + "\\Rules\\Mail\\000"},
       5},
      {"outlook", "newsrules", "outlook express news rules", 62, {kOe + "\\Rules\\News"}, 6},
      {"outlook",
       "signatures",
       "outlook express signatures",
       kNone,
       {kOe + "\\signatures", kOe + "\\signatures\\00000000"},
       5},

      {"mail",
       "Recently",
       "Windows Mail Recently",
       kNone,
       {kMail + "\\Recent Stationery Wide List", kMail + "\\Recently Used Addresses",
        kComDlg + "\\CIDSizeMRU", kComDlg + "\\LastVisitedPidlMRU", kComDlg + "\\OpenSavePidlMRU",
        kComDlg + "\\OpenSavePidlMRU\\txt"},
       25},
      // Takes the block list; Windows Mail's signatures key stays.
      {"mail", "Signatures", "Windows Mail Signatures", 64, kBlockList, 5},
      {"mail", "Block", "Windows Mail Block Senders list", kNone, kBlockList, 5},
      {"mail",
       "Safe",
       "Windows Mail Safe Senders list",
       65,
       {kMail + "\\Junk Mail\\Safe Senders List"},
       5},
      {"mail", "mailrules", "Windows Mail mail rules", kNone, {kMail + "\\Rules\\Mail"}, 5},
      {"mail", "newsrules", "Windows Mail news rules", 67, {kMail + "\\Rules\\News"}, 5},
      {"mail",
       "accounts",
       "Windows Mail accounts",
       69,
       {kStore + "account{AAA}.oeaccount", kStore + "Local Folders\\news.OEACCOUNT"}},
  };
}

// Each group's tracks in pass order; the bar stands at the value of the last
// track that set one, and the first messenger track sets none of its own.
void ExpectEachAlone(const std::vector<TrackCase>& cases) {
  int standing = testing_support::ProgressBefore(cases[0].section, cases[0].key);
  for (const TrackCase& track : cases) {
    SCOPED_TRACE(std::string(track.section) + "/" + track.key);
    if (track.progress != kNone) standing = track.progress;
    UserProfile profile;
    BuildMessengerProfile(profile);
    testing_support::ExpectTrackAlone(profile, track, standing);
  }
}

TEST(MessengerTracks, EachTrackAloneErasesExactlyItsItems) {
  const std::vector<TrackCase> cases = MessengerCases();
  ASSERT_EQ(cases.size(), 17u);
  ExpectEachAlone(cases);
}

TEST(MailTracks, EachTrackAloneErasesExactlyItsItems) {
  const std::vector<TrackCase> cases = MailCases();
  ASSERT_EQ(cases.size(), 17u);
  ExpectEachAlone(cases);
}

// Registry credits are fixed: they come whether or not the program was ever
// installed.
TEST(MessengerAndMailTracks, EachTrackAloneWithNothingInstalledStillCreditsItsKeys) {
  std::vector<TrackCase> cases = MessengerCases();
  const std::vector<TrackCase> mail = MailCases();
  cases.insert(cases.end(), mail.begin(), mail.end());
  for (TrackCase track : cases) {
    SCOPED_TRACE(std::string(track.section) + "/" + track.key);
    UserProfile profile;
    ClaimFixedPlaces(profile);
    track.gone.clear();
    testing_support::ExpectTrackAlone(
        profile, track,
        track.progress != kNone ? track.progress
                                : testing_support::ProgressBefore(track.section, track.key));
  }
}

TEST(MessengerAndMailTracks, AllSelectedRunInPassOrderWithTheirCredits) {
  struct Group {
    std::vector<TrackCase> cases;
    double registry;
  };
  const Group groups[] = {{MessengerCases(), 2 + 5 + 3},
                          {MailCases(), 5 + 6 + 5 + 6 + 5 + 25 + 5 + 5 + 5 + 5 + 5}};
  for (const Group& group : groups) {
    SCOPED_TRACE(group.cases[0].section);
    UserProfile profile;
    BuildMessengerProfile(profile);
    for (const TrackCase& track : group.cases) profile.Select(track.section, track.key);

    const PassResult result = profile.Run();

    ASSERT_EQ(result.view.rows.size(), group.cases.size() + 1);
    for (size_t i = 0; i < group.cases.size(); ++i) {
      SCOPED_TRACE(group.cases[i].key);
      EXPECT_EQ(result.view.rows[i].caption, group.cases[i].caption);
      EXPECT_EQ(result.view.rows[i].status, engine::kDone);
    }
    const std::set<std::string> gone = AllGone(group.cases);
    EXPECT_EQ(profile.Unexpected(gone), std::vector<std::string>());
    EXPECT_EQ(result.outcome.totals.bytes, SizeOf(profile, gone));
    EXPECT_EQ(result.outcome.totals.registry, group.registry);
  }
}

// A documents folder that cannot be read erases nothing, not even below a
// folder named after the failure text relative to the current folder.
TEST(MessengerTracks, UnreadableDocumentsFolderErasesNothing) {
  UserProfile profile;
  BuildMessengerProfile(profile);
  profile.AddFiles("Error\\my chat logs", {"x.xml"});
  profile.AddFiles("Error\\my received files", {"y.jpg"});
  profile.AddFiles("Error\\AIMLogger", {"z.html"});
  profile.AddFiles("Error\\ICQ\\ReceivedFiles", {"w.zip"});
  profile.SetDocumentsFolder("Error");
  for (const char* key : {"msnchat", "msnfiles", "aollogs", "icqfiles"}) {
    profile.Select("Messenger", key);
  }
  const PassResult result = [&] {
    testing_support::ScopedCurrentDirectory current(profile.root());
    return profile.Run();
  }();
  ASSERT_EQ(result.view.rows.size(), 5u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(result.view.rows[i].status, engine::kDone);
  EXPECT_EQ(profile.Unexpected({}), std::vector<std::string>());
  EXPECT_EQ(result.outcome.totals.bytes, 0);
}

// The documents folder is whatever the tracks read when they run, not a
// folder fixed at load.
TEST(MessengerTracks, DocumentsFolderIsReadWhenTheTrackRuns) {
  UserProfile profile;
  BuildMessengerProfile(profile);
  profile.AddFiles("OtherDocs\\my chat logs", {"moved.xml"});
  profile.SetDocumentsFolder(profile.Path("OtherDocs"));
  profile.Select("Messenger", "msnchat");

  const PassResult result = profile.Run();

  const std::vector<std::string> gone = {"OtherDocs\\my chat logs\\moved.xml"};
  EXPECT_EQ(profile.Unexpected({gone.begin(), gone.end()}), std::vector<std::string>());
  EXPECT_EQ(result.outcome.totals.bytes, profile.SizeOf(gone));
}

// "Profiles" follows the help folder directly: a value without its trailing
// backslash names a sibling folder. Without the value only the key goes.
TEST(MessengerTracks, YahooProfilesFollowTheHelpFolderValue) {
  struct Case {
    const char* name;
    const char* helpDir;
    std::vector<std::string> files;
  };
  const Case cases[] = {
      {"no trailing backslash", "YahooHelp", {"YahooHelpProfiles\\r.dat"}},
      {"no value", nullptr, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UserProfile profile;
    BuildMessengerProfile(profile, {.yahooHelpDir = c.helpDir});
    profile.Select("Messenger", "yahooprofiles");

    const PassResult result = profile.Run();

    std::vector<std::string> gone = {kPager + "\\profiles", kPager + "\\profiles\\alice"};
    gone.insert(gone.end(), c.files.begin(), c.files.end());
    EXPECT_EQ(profile.Unexpected({gone.begin(), gone.end()}), std::vector<std::string>());
    EXPECT_EQ(result.outcome.totals.bytes, profile.SizeOf(c.files));
    EXPECT_EQ(result.outcome.totals.registry, 5);
    ASSERT_EQ(result.view.rows.size(), 2u);
    EXPECT_EQ(result.view.rows[0].status, engine::kDone);
  }
}

TEST(MailTracks, WithoutAStoreRootWindowsMailAccountsErasesNothing) {
  UserProfile profile;
  BuildMessengerProfile(profile, {.mailStore = false});
  profile.Select("mail", "accounts");

  const PassResult result = profile.Run();

  ASSERT_EQ(result.view.rows.size(), 2u);
  EXPECT_EQ(result.view.rows[0].status, engine::kDone);
  EXPECT_EQ(profile.Unexpected({}), std::vector<std::string>());
  EXPECT_EQ(result.outcome.totals.bytes, 0);
  EXPECT_EQ(result.outcome.totals.registry, 0);
}

// A preview changes nothing and reports what the pass then does, also where
// one track erases what an earlier one already took.
TEST(MessengerAndMailTracks, PreviewChangesNothingAndReportsThePassTotals) {
  std::vector<TrackCase> selected = MessengerCases();
  for (const TrackCase& track : MailCases()) selected.push_back(track);
  UserProfile profile;
  BuildMessengerProfile(profile);
  for (const TrackCase& track : selected) profile.Select(track.section, track.key);

  CollectingSink sink;
  const PassResult preview = profile.Preview(sink);

  EXPECT_EQ(profile.Unexpected({}), std::vector<std::string>());
  ASSERT_EQ(preview.view.rows.size(), selected.size() + 1);
  for (size_t i = 0; i < selected.size(); ++i) {
    EXPECT_EQ(preview.view.rows[i].caption, selected[i].caption);
  }
  EXPECT_FALSE(sink.items.empty());

  const PassResult pass = profile.Run();

  const std::set<std::string> gone = AllGone(selected);
  EXPECT_EQ(profile.Unexpected(gone), std::vector<std::string>());
  EXPECT_EQ(preview.outcome.totals.bytes, pass.outcome.totals.bytes);
  EXPECT_EQ(preview.outcome.totals.registry, pass.outcome.totals.registry);
  EXPECT_EQ(pass.outcome.totals.bytes, SizeOf(profile, gone));
}

}  // namespace
