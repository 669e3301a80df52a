// Instant messengers (Windows Live Messenger, Yahoo! Messenger, AOL Instant
// Messenger, ICQ) and e-mail readers (Outlook Express, Windows Mail).
//
// Rows stand in the order a pass runs them, which is not the order of the
// settings window. Every registry action works under HKEY_CURRENT_USER and
// adds its fixed credit whether or not the key exists; two Outlook Express
// rows add one more after their deletion, as they always have.
#include "engine/families.h"
#include "engine/messenger_actions.h"

namespace engine {
namespace {

constexpr Base H = Base::HKCU;
constexpr Base R = Base::Roaming;
constexpr Base L = Base::Local;
constexpr Base D = Base::Documents;  // read afresh by every row that uses it
constexpr Base Fixed = Base::None;   // the path stands as written
constexpr int kNone = kNoProgress;

// Yahoo! Messenger has only ever been looked for in its default folder.
constexpr const char* kYahooCache = "C:\\Program Files\\Yahoo!\\Messenger\\Cache";
constexpr const char* kYahooLogs = "C:\\Program Files\\Yahoo!\\Messenger\\logs";
constexpr const char* kYahooPager = "Software\\Yahoo\\pager";
constexpr const char* kIcq = "\\ICQ";

// One row per track reads better than the formatter's layout of nested lists.
// clang-format off
const TrackRow kMessengerTracks[] = {
    // The bar still stands where the last Windows row left it.
    {"Messenger", "msnchat", "Windows Live Messenger chat log folder", kNone,
     {AllFilesInTree(D, "\\my chat logs")}},
    {"Messenger", "msnfiles", "Windows Live Messenger Received Files folder", 44,
     {AllFilesInTree(D, "\\my received files")}},
    {"Messenger", "yahoopage", "Yahoo! Messenger Page settings", kNone,
     {RegValue(H, kYahooPager, "Yahoo! User ID"),
      RegValue(H, kYahooPager, "Auto Login")}},
    {"Messenger", "yahooprofiles", "Yahoo! Messenger profiles", 45,
     {RegTree(H, "Software\\Yahoo\\pager\\profiles"),
      Call(&EraseYahooHelpProfiles)}},
    {"Messenger", "yahoofiles", "Yahoo! Messenger Temporary Internet Files", kNone,
     {AllFilesInTree(Fixed, kYahooCache)}},
    {"Messenger", "yahoologs", "Yahoo! Messenger Log Files", kNone,
     {AllFilesInTree(Fixed, kYahooLogs)}},
    {"Messenger", "aolsettings", "AOL Instant Messenger settings", kNone,
     {AllFilesInTree(L, "\\AIM\\Settings")}},
    // aimx.bin holds both the screen names and the password: two boxes, one
    // file, and only the one directly in the AIM folder.
    {"Messenger", "aolnames", "AOL Instant Messenger Recent screen names", 46,
     {NamedFileInFolder(L, "\\AIM", "aimx.bin")}},
    {"Messenger", "aolpassword", "AOL Messenger user password", kNone,
     {NamedFileInFolder(L, "\\AIM", "aimx.bin")}},
    {"Messenger", "aolbuddy", "AOL Information about Buddy list", kNone,
     {AllFilesInTree(R, "\\acccore\\caches\\users")}},
    {"Messenger", "aollogs", "AOL Messenger logs", kNone,
     {AllFilesInTree(D, "\\AIMLogger")}},
    // The caption says AOL but the row cleans ICQ's sign-in store, the same
    // file as "icqaccount"; the status row has always read this way.
    {"Messenger", "icqsign", "AOL Messenger Sign in history", 47,
     {NamedFilesInTree(R, kIcq, "Application.qdb")}},
    {"Messenger", "icquser", "ICQ User history", kNone,
     {NamedFilesInTree(R, kIcq, "Messages.qdb")}},
    {"Messenger", "icqcontact", "ICQ contact list", kNone,
     {NamedFilesInTree(R, kIcq, "Owner.qdb")}},
    {"Messenger", "icqaccount", "ICQ Account", kNone,
     {NamedFilesInTree(R, kIcq, "Application.qdb")}},
    // Folder names are compared lower-cased, so this takes ReceivedFiles in
    // any letter case, with everything inside.
    {"Messenger", "icqfiles", "ICQ All the files received from the other users", kNone,
     {NamedFoldersInTree(D, kIcq, "receivedfiles")}},
    {"Messenger", "icqsearch", "ICQ Toolbar search history", kNone,
     {RegKey(H, "Software\\Microsoft\\Internet Explorer\\LowRegistry\\ICQ\\ICQToolBar\\History")}},
};

// Outlook Express keeps its settings under one fixed identity, but its message
// stores are looked for in every identity folder.
constexpr const char* kIdentities = "\\Identities";
constexpr const char* kOeBlockSenders =
    "Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\Outlook Express\\5.0"
    "\\Block Senders";
constexpr const char* kOeMailRules =
    "Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\Outlook Express\\5.0"
    "\\Rules\\Mail";
constexpr const char* kOeNewsRules =
    "Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\Outlook Express\\5.0"
    "\\Rules\\News";
constexpr const char* kOeSignatures =
    "Identities\\{D26D609B-5ED5-4F41-B764-6684674F99A4}\\Software\\Microsoft\\Outlook Express\\5.0"
    "\\signatures";

constexpr const char* kBlockSendersList =
    "Software\\Microsoft\\Windows Mail\\Junk Mail\\Block Senders List";

const TrackRow kMailTracks[] = {
    {"outlook", "address", "outlook express address book", 55,
     {FilesByExtInTree(R, "\\Microsoft\\Address Book", "wab")}},
    {"outlook", "accounts", "outlook express Accounts", kNone,
     {RegTree(H, "Software\\Microsoft\\Internet Account Manager")}},
    {"outlook", "deleted", "outlook express deleted email", 59,
     {NamedFilesInTree(L, kIdentities, "Deleted Items.dbx")}},
    {"outlook", "sent", "outlook express sent email", kNone,
     {NamedFilesInTree(L, kIdentities, "Sent Items.dbx")}},
    {"outlook", "outbox", "outlook express outbox email", 60,
     {NamedFilesInTree(L, kIdentities, "Outbox.dbx")}},
    {"outlook", "blocked", "outlook express blocked senders list", kNone,
     {RegTree(H, kOeBlockSenders), AddRegistry(1)}},
    {"outlook", "created", "outlook express history of Outlook folders you created", kNone,
     {NamedFilesInTree(L, kIdentities, "Folders.dbx")}},
    {"outlook", "mailrules", "outlook express mail rules", kNone,
     {RegTree(H, kOeMailRules)}},
    {"outlook", "newsrules", "outlook express news rules", 62,
     {RegTree(H, kOeNewsRules), AddRegistry(1)}},
    {"outlook", "signatures", "outlook express signatures", kNone,
     {RegTree(H, kOeSignatures)}},

    {"mail", "Recently", "Windows Mail Recently", kNone,
     {RegTree(H, "Software\\Microsoft\\Windows Mail\\Recent Stationery Wide List"),
      RegTree(H, "Software\\Microsoft\\Windows Mail\\Recently Used Addresses"),
      RegTree(H, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\CIDSizeMRU"),
      RegTree(H, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32"
                 "\\LastVisitedPidlMRU"),
      RegTree(H, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32"
                 "\\OpenSavePidlMRU")}},
    // This box has always deleted the junk-mail block list, the same key as
    // "Block" below; kept so a pass erases and credits what it always did.
    {"mail", "Signatures", "Windows Mail Signatures", 64,
     {RegTree(H, kBlockSendersList)}},
    {"mail", "Block", "Windows Mail Block Senders list", kNone,
     {RegTree(H, kBlockSendersList)}},
    {"mail", "Safe", "Windows Mail Safe Senders list", 65,
     {RegTree(H, "Software\\Microsoft\\Windows Mail\\Junk Mail\\Safe Senders List")}},
    {"mail", "mailrules", "Windows Mail mail rules", kNone,
     {RegTree(H, "Software\\Microsoft\\Windows Mail\\Rules\\Mail")}},
    {"mail", "newsrules", "Windows Mail news rules", 67,
     {RegTree(H, "Software\\Microsoft\\Windows Mail\\Rules\\News")}},
    {"mail", "accounts", "Windows Mail accounts", 69,
     {Call(&EraseWindowsMailAccounts)}},
};
// clang-format on

static_assert(std::size(kMessengerTracks) == 17);
static_assert(std::size(kMailTracks) == 17);

}  // namespace

std::span<const TrackRow> MessengerTracks() {
  return kMessengerTracks;
}
std::span<const TrackRow> MailTracks() {
  return kMailTracks;
}

}  // namespace engine
