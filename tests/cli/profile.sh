#!/bin/sh
# murvane-cli on a realistic user profile, end to end, with every track of the
# profile browsers, Windows, the messengers, the mail readers and Office
# selected (Internet Explorer, AOL, MSN and the custom items not).
#
# preview lists exactly what the tables below mark as erased, under the 120
# track captions in pass order, and changes nothing: no file, no registry
# entry, the recycle bin kept, the thumbnail batch file not started. clean
# then erases exactly that and nothing else in the watched folders and keys,
# prints a "Done" row per track in the preview's order and the preview's
# totals, waits for the batch file and empties the recycle bin.
#
# The prefix is shared with the other tests: whatever the fixture adds to it
# is removed again at the end, pass or fail.
#   profile.sh <murvane-cli.exe> <wine-run.sh> <scratch folder>
set -eu
cli=$1 wine_run=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$cli" "$scratch/murvane-cli.exe"
cp "$(dirname "$cli")/delThumbs.bat" "$scratch/"
fail() { printf 'FAIL: %s\n' "$*" >&2; exit 1; }

MURVANE_WINE_ROOT=${MURVANE_WINE_ROOT:-$(dirname "$scratch")/wine}
export MURVANE_WINE_ROOT
cli_run() { "$wine_run" "$scratch/murvane-cli.exe" "$1" | tr -d '\r'; }
wine_tool() { "$wine_run" --builtin "$@"; }

# The first start makes the prefix when it is not there yet.
cli_run list >"$scratch/list.txt"
root=$(cd "$MURVANE_WINE_ROOT" && pwd)
drive_c=$root/prefix/drive_c
user=$(ls "$drive_c/users" | grep -vx Public | head -n 1)
profile=$drive_c/users/$user
trash=$root/xdg/data/Trash
export user profile drive_c root trash

# ---------------------------------------------------------------------------
# The profile's files. One line each: mark, base, size, path below the base.
#   x  erased, and listed by the preview on a line of its own
#   -  erased with a listed folder above it, or by an action the preview only
#      announces (the thumbnail batch file, the recycle bin)
#   e  a folder the preview lists and the pass empties; the folder stays
#   k  stays
# Bases: R roaming and L local application data, D Documents (a link to
# HOME), U the user's profile folder, C drive C:, T the recycle bin (the XDG
# trash). Size "-" is a short text of its own; a path ending in "/" is a
# folder.
profile_files() {
  cat <<'EOF'
x R 3145728 Mozilla/Firefox/Profiles/k3x9a1pq.default/places.sqlite
k R 65536   Mozilla/Firefox/Profiles/k3x9a1pq.default/places.sqlite.bak
x R 524288  Mozilla/Firefox/Profiles/k3x9a1pq.default/cookies.sqlite
k R -       Mozilla/Firefox/Profiles/k3x9a1pq.default/cookies.sqlite-journal
x R 131072  Mozilla/Firefox/Profiles/k3x9a1pq.default/downloads.sqlite
x R 16384   Mozilla/Firefox/Profiles/k3x9a1pq.default/key3.db
k R -       Mozilla/Firefox/Profiles/k3x9a1pq.default/key4.db
k R -       Mozilla/Firefox/Profiles/k3x9a1pq.default/prefs.js
x R 1048576 Mozilla/Firefox/Profiles/w7m2zt0c.work/places.sqlite
x R -       Mozilla/Firefox/Profiles/w7m2zt0c.work/cookies.sqlite
x R -       Mozilla/Firefox/Profiles/w7m2zt0c.work/bookmarkbackups/places.sqlite
k R -       Mozilla/Firefox/Profiles/old-copy/Places.sqlite
k R -       Mozilla/Firefox/profiles.ini
x L -       Mozilla/Firefox/Profiles/k3x9a1pq.default/Cache/
- L 262144  Mozilla/Firefox/Profiles/k3x9a1pq.default/Cache/_CACHE_001_
- L 300000  Mozilla/Firefox/Profiles/k3x9a1pq.default/Cache/0/A1/B2C3D01
x L -       Mozilla/Firefox/Profiles/w7m2zt0c.work/cache/
- L -       Mozilla/Firefox/Profiles/w7m2zt0c.work/cache/_CACHE_MAP_
k L -       Mozilla/Firefox/Profiles/w7m2zt0c.work/cache2/entries/9F1A2B
k L -       Mozilla/Firefox/Profiles/w7m2zt0c.work/OfflineCache/index.sqlite
k R -       Thunderbird/Profiles/q1w2e3r4.default/cookies.sqlite

x R -       Opera/Opera/typed_history.xml
x R -       Opera/Opera/cookies4.dat
x R -       Opera/Opera/global_history.dat
x R -       Opera/Opera/download.dat
x R -       Opera/Opera/sessions/
- R -       Opera/Opera/sessions/autosave.win
- R -       Opera/Opera/sessions/autosave.win.bak
x R -       Opera/Opera/bookmarks.adr
k R -       Opera/Opera/bookmarks.adr.old
x R -       Opera/Opera/wand.dat
k R -       Opera/Opera/operaprefs.ini
x L -       Opera/Opera/cache/
- L 204800  Opera/Opera/cache/g_0000/opr00001.tmp
- L -       Opera/Opera/cache/dcache4.url
x L -       Opera/Opera/thumbnails/
- L -       Opera/Opera/thumbnails/5C1B.png
k L -       Opera/Opera/opcache/g_0000/opr0ABC.tmp
k L -       Opera/Opera/icons/favicon.ico

x R -       Netscape/NSB/Profiles/default/history.dat
x R -       Netscape/NSB/Profiles/default/cookies.txt
x R -       Netscape/NSB/Profiles/default/Cache/
- R 98304   Netscape/NSB/Profiles/default/Cache/_CACHE_MAP_
x R -       Netscape/NSB/Profiles/default/localstore.rdf
x R -       Netscape/NSB/Profiles/default/downloads.rdf
x R -       Netscape/NSB/Profiles/default/bookmarks.html
x R -       Netscape/NSB/Profiles/default/signons2.txt
x R -       Netscape/NSB/Profiles/default/signons.txt
k R -       Netscape/NSB/Profiles/default/prefs.js
k R -       Netscape/Navigator/Profiles/default/history.dat
k R -       Netscape/Navigator/Profiles/default/cookies.txt
k R -       Netscape/Navigator/Profiles/default/Cache/_CACHE_MAP_

x R -       Mozilla/Profiles/default/a1b2c3d4.slt/history.dat
x R -       Mozilla/Profiles/default/a1b2c3d4.slt/cookies.txt
x R -       Mozilla/Profiles/default/a1b2c3d4.slt/localstore.rdf
x R -       Mozilla/Profiles/default/a1b2c3d4.slt/Cache/
- R 153600  Mozilla/Profiles/default/a1b2c3d4.slt/Cache/_CACHE_001_
k R -       Mozilla/Profiles/default/a1b2c3d4.slt/cookies.txt.old
k R -       Mozilla/Profiles/default/a1b2c3d4.slt/prefs.js

x C -       Program Files/Maxthon2/SharedAccount/Config/Config.ini
k C -       Program Files/Maxthon2/SharedAccount/Config/Plugin.ini
k C -       Program Files/Maxthon2/SharedAccount/Config/Backup/Config.ini
x C -       Program Files/Maxthon2/SharedAccount/Data/Dynamic.ini
x C 40960   Program Files/Maxthon2/SharedAccount/Data/history2.dat
x C -       Program Files/Maxthon2/SharedAccount/Data/LastSession.ini
x C -       Program Files/Maxthon2/SharedAccount/Data/TmpSession.ini
k C -       Program Files/Maxthon2/SharedAccount/Data/Favorite/favdb.dat
e C -       Program Files/Maxthon2/SharedAccount/Downloads/
- C 409600  Program Files/Maxthon2/SharedAccount/Downloads/setup.exe
- C -       Program Files/Maxthon2/SharedAccount/Downloads/papers/
- C -       Program Files/Maxthon2/SharedAccount/Downloads/papers/report.pdf
k C -       Program Files/Maxthon2/Maxthon.exe
k C -       Program Files/Maxthon2/Skin/Thumbs.db

x L -       Google/Chrome/User Data/Default/History
x L -       Google/Chrome/User Data/Default/Cookies
x L 204800  Google/Chrome/User Data/Default/Web Data
x L -       Google/Chrome/User Data/Default/Current Session
x L -       Google/Chrome/User Data/Default/Last Session
x L -       Google/Chrome/User Data/Default/Top Sites
x L -       Google/Chrome/User Data/Default/Sync Data/History
x L 262144  Google/Chrome/User Data/Default/Cache/data_1
x L -       Google/Chrome/User Data/Default/Cache/index
x L -       Google/Chrome/User Data/Default/Cache/Cache_Data/f_000001
k L -       Google/Chrome/User Data/Default/History-journal
k L -       Google/Chrome/User Data/Default/Archived History
k L -       Google/Chrome/User Data/Default/Cookies-journal
k L -       Google/Chrome/User Data/Default/Bookmarks
k L -       Google/Chrome/User Data/Default/Login Data
k L -       Google/Chrome/User Data/Profile 1/History
k L -       Google/Chrome/User Data/Local State

x L -       Apple Computer/Safari/History/2024-01.db
k L -       Apple Computer/Safari/History/Archive/2023-12.db
x R -       Apple Computer/Safari/History.plist
x R -       Apple Computer/Safari/LastSession.plist
x R -       Apple Computer/Safari/TopSites.plist
x L 122880  Apple Computer/Safari/Cache.db
k L -       Apple Computer/Safari/Cache.db-wal
x L -       Apple Computer/Safari/WebpageIcons.db
x R -       Apple Computer/Safari/Cookies/Cookies.plist
k R -       Apple Computer/Safari/Cookies/Cookies.binarycookies
x R -       Apple Computer/Safari/Downloads.plist
x R -       Apple Computer/Safari/Form Values.plist
x R -       Apple Computer/Safari/Preferences/keychain.plist
k R -       Apple Computer/Safari/Preferences/com.apple.Safari.plist
k R -       Apple Computer/Safari/Bookmarks.plist
x L -       Apple Computer/Safari/Webpage Previews/3A9F.png
x L -       Apple Computer/Safari/Webpage Previews/77B0.png
k L -       Apple Computer/Safari/Webpage Previews/Thumbnails/3A9F.png
x R -       Apple Computer/Preferences/com.apple.Safari.plist
k R -       Apple Computer/Preferences/com.apple.iTunes.plist

e U -       Temp/
x U 71680   Temp/~DF3A91.tmp
x U -       Temp/setup-log/install.log
- U -       Temp/setup-log/
e C -       windows/temp/
x C -       windows/temp/msi4f2a.log
k L -       Temp/not-the-temp-folder.tmp
x C -       Found.003/FILE0000.CHK
k C -       Found.003/sub/FILE0001.CHK
k C -       Found.011/FILE0000.CHK
x D -       Searches/Everywhere.search-ms
x D -       Searches/old/Indexed Locations.search-ms
k U -       Searches/Everywhere.search-ms
- U -       Favorites/Thumbs.db
k U -       Favorites/thumbs-notes.txt
- D -       holiday photos/Thumbs.db
k D 51200   holiday photos/beach.jpg
- T 1572864 files/old-report.doc
- T -       info/old-report.doc.trashinfo

x D -       my chat logs/ann@hotmail.com/2024-01-05.xml
x D -       my chat logs/MessageLog.xsl
x D -       my received files/photo.jpg
x C -       Program Files/Yahoo!/Messenger/Profiles/ann_y/Archive/Messages/bob/20240105-ann_y.dat
x C -       Program Files/Yahoo!/Messenger/Profiles/ann_y/ann_y.ini
x C -       Program Files/Yahoo!/Messenger/Cache/ad_1.gif
x C -       Program Files/Yahoo!/Messenger/Cache/ads/banner.swf
x C -       Program Files/Yahoo!/Messenger/logs/ymsgr.log
k C -       Program Files/Yahoo!/Messenger/YahooMessenger.exe
x L -       AIM/Settings/global.xml
x L -       AIM/Settings/ann/prefs.xml
x L -       AIM/aimx.bin
k L -       AIM/ann/aimx.bin
x R -       acccore/caches/users/ann/buddylist.xml
k R -       acccore/caches/global/servers.dat
x D -       AIMLogger/ann/IM Logs/bob.html
x R -       ICQ/123456789/Application.qdb
x R -       ICQ/123456789/Messages.qdb
x R -       ICQ/123456789/Owner.qdb
k R -       ICQ/123456789/Messages.qdb.bak
k R -       ICQ/Old/application.qdb
x D -       ICQ/123456789/ReceivedFiles/
- D -       ICQ/123456789/ReceivedFiles/song.mp3
x D -       ICQ/123456789/Archive/receivedfiles/
- D -       ICQ/123456789/Archive/receivedfiles/old.zip
x D -       ICQ/987654321/RECEIVEDFILES/
- D 65536   ICQ/987654321/RECEIVEDFILES/scan/page1.png
k D -       ICQ/123456789/Received Files Index.txt
k D -       ICQ/ReceivedFilesOld/note.txt

x R -       Microsoft/Address Book/ann.wab
x R -       Microsoft/Address Book/old/backup.WAB
k R -       Microsoft/Address Book/ann.wab~
x L 196608  Identities/{D26D609B-5ED5-4F41-B764-6684674F99A4}/Microsoft/Outlook Express/Deleted Items.dbx
x L -       Identities/{D26D609B-5ED5-4F41-B764-6684674F99A4}/Microsoft/Outlook Express/Sent Items.dbx
x L -       Identities/{D26D609B-5ED5-4F41-B764-6684674F99A4}/Microsoft/Outlook Express/Outbox.dbx
x L -       Identities/{D26D609B-5ED5-4F41-B764-6684674F99A4}/Microsoft/Outlook Express/Folders.dbx
k L -       Identities/{D26D609B-5ED5-4F41-B764-6684674F99A4}/Microsoft/Outlook Express/Inbox.dbx
x L -       Identities/{5A1E7C20-3B4D-4E8F-9A0B-1C2D3E4F5A6B}/Microsoft/Outlook Express/Sent Items.dbx
k L -       Identities/{5A1E7C20-3B4D-4E8F-9A0B-1C2D3E4F5A6B}/Microsoft/Outlook Express/Sent Items.dbx.bak
x L -       Microsoft/Windows Mail/account{6E5F1D4A-0B2C-4E8A-9A51-3C7D2E9B1F04}.oeaccount
x L -       Microsoft/Windows Mail/Backup/account{0C3B9E77-52A1-4D0E-8F6A-2B7C1D9E3F50}.oeaccount
k L -       Microsoft/Windows Mail/account{6E5F1D4A-0B2C-4E8A-9A51-3C7D2E9B1F04}.oeaccount.bak
k L -       Microsoft/Windows Mail/Local Folders/Inbox/1A2B3C.eml
EOF
}

# Files whose content matters: the Maxthon settings with the section the
# "Typed Urls" track takes out before a later track deletes the file (so the
# file counts without it), and the bin's record of its one file.
typed_urls='[TypedUrls]\r\nurl1=http://www.example.com/\r\nurl2=http://news.example.org/today\r\n'
write_special_files() {
  printf "[General]\r\nVersion=2.5.18\r\n${typed_urls}[Window]\r\nMaximized=1\r\n" \
    >"$drive_c/Program Files/Maxthon2/SharedAccount/Config/Config.ini"
  printf 'C:\\Program Files\\Maxthon2\\SharedAccount\\Config\\Config.ini\t%s\n' \
    "$(printf "$typed_urls" | wc -c)" >"$scratch/shrunk.txt"
  printf '[Trash Info]\nPath=/home/ann/old-report.doc\nDeletionDate=2024-01-05T10:20:30\n' \
    >"$trash/info/old-report.doc.trashinfo"
}

# What the preview lists besides the files, folders and registry entries.
other_preview_items() {
  cat <<'EOF'
settings section: C:\Program Files\Maxthon2\SharedAccount\Config\Config.ini [TypedUrls]
action: Clear the list of recently opened documents
action: Empty the recycle bin of every drive
action: Empty the clipboard
action: Run Y:\delThumbs.bat (deletes the Thumbs.db files of the profile)
EOF
}

# ---------------------------------------------------------------------------
# The registry: mark (as above) and a key, or a key, "|", a value name and
# "=" with its data (default "fixture"). A key line gives the key one value.
# Word is not installed, so the Office tracks work on keys with an empty
# version component ("Office\\Word\Data", which the registry reads as
# "Office\Word\Data"): the lists of Office 11.0 and 12.0 stay.
registry_entries() {
  e='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer'
  bars='HKCU\Software\Microsoft\Internet Explorer\Explorer Bars'
  search="$bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}"
  oe='HKCU\Identities\{D26D609B-5ED5-4F41-B764-6684674F99A4}\Software\Microsoft\Outlook Express\5.0'
  o='HKCU\Software\Microsoft\Office'
  fp='HKCU\Software\Microsoft\FrontPage\Explorer\FrontPage Explorer'
  cat <<EOF
- $e\\RecentDocs
x $e\\RunMRU
x $e\\Doc Find Spec MRU
x $search\\ComputerNameMRU
x $search\\ContainingTextMRU
x $search\\FilesNamedMRU
k $search|Owner
k $bars\\{32683183-48A0-441B-A342-7C2A440A9478}
x HKCU\\Software\\Microsoft\\Search Assistant\\ACMru\\5601
x HKCU\\Software\\Microsoft\\Search Assistant\\ACMru\\5602
x HKCU\\Software\\Microsoft\\Search Assistant\\ACMru\\5603
x HKCU\\Software\\Microsoft\\Search Assistant\\ACMru\\5604
x HKCU\\Software\\Microsoft\\Search Assistant\\ACMru\\5647
x HKCU\\Software\\Microsoft\\Search Assistant\\ACMru
k HKCU\\Software\\Microsoft\\Search Assistant|SocialUI
x $e\\FindComputerMRU
x $e\\ComDlg32\\OpenSaveMRU
- $e\\ComDlg32\\OpenSaveMRU\\txt
- $e\\ComDlg32\\OpenSaveMRU\\*
x $e\\ComDlg32\\LastVisitedMRU
x $e\\ComDlg32\\CIDSizeMRU
x $e\\ComDlg32\\LastVisitedPidlMRU
x $e\\ComDlg32\\OpenSavePidlMRU
- $e\\ComDlg32\\OpenSavePidlMRU\\docx
k $e\\ComDlg32\\FirstFolder
x HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List
x HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List
k HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\View
x $e\\Wallpaper
k $e\\Wallpapers
x HKLM\\SOFTWARE\\Microsoft\\Direct3D\\MostRecentApplication
x HKLM\\SOFTWARE\\Microsoft\\DirectDraw\\MostRecentApplication
x $e\\WordWheelQuery
x $e\\Map Network Drive MRU
x HKCU\\Software\\Microsoft\\Microsoft Management Console\\Recent File List
k HKCU\\Software\\Microsoft\\Microsoft Management Console\\Favorites
x $e\\TrayNotify|IconStreams
x $e\\TrayNotify|PastIconsStream
k $e\\TrayNotify|BalloonTip
x HKCU\\Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\TrayNotify|IconStreams
x HKCU\\Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\TrayNotify|PastIconsStream
x HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit
- HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit\\Favorites
x $e\\MenuOrder
- $e\\MenuOrder\\Start Menu2\\Programs
x $e\\StreamMRU
x $e\\TypedPaths
k $e\\Streams
x $e\\UserAssist\\{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count
k $e\\UserAssist\\{5E6AB780-7743-11CF-A12B-00AA004AE837}|Version=3
x $e\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count
k $e\\UserAssist\\{CEBFF5CD-ACE2-4F4F-9178-9926F41749EA}\\Count
x HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail
- HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail\\ann@example.com

x HKCU\\Software\\Yahoo\\pager|Yahoo! User ID=ann_y
x HKCU\\Software\\Yahoo\\pager|Auto Login=1
k HKCU\\Software\\Yahoo\\pager|Save Password=1
k HKCU\\Software\\Yahoo\\pager\\View
x HKCU\\Software\\Yahoo\\pager\\profiles
- HKCU\\Software\\Yahoo\\pager\\profiles\\ann_y
- HKCU\\Software\\Yahoo\\pager\\profiles\\ann_y\\Archive
k HKLM\\SOFTWARE\\Classes\\TypeLib\\{2B323CCC-50E3-11D3-9466-00A0C9700498}\\1.0\\HELPDIR|@=C:\\Program Files\\Yahoo!\\Messenger\\
x HKCU\\Software\\Microsoft\\Internet Explorer\\LowRegistry\\ICQ\\ICQToolBar\\History
k HKCU\\Software\\Microsoft\\Internet Explorer\\LowRegistry\\ICQ\\ICQToolBar|Skin

x $o\\Word\\Data
x $o\\Word\\Recent Templates
x $o\\Word\\ProjectTemplateLocation
k $o\\Word\\File MRU
k $o\\Word\\Options
x $o\\Excel\\Recent Files
x $o\\Excel\\Recent Templates
x $o\\Excel\\ProjectTemplateLocation
k $o\\Excel\\Place MRU
x $o\\PowerPoint\\Recent File List
x $o\\PowerPoint\\Recent Templates
x $o\\PowerPoint\\RecentFolderList
x $o\\PowerPoint\\RecentTemplateList
x $o\\PowerPoint\\ProjectTemplateLocation
k $o\\PowerPoint\\File MRU
x $fp\\Recent File List
x $fp\\Recent Page List
x $fp\\Recent Web List
x $fp\\Recently Created Servers
x $fp\\Settings|LastWebOpen
k $fp\\Settings|ShowTips
x $o\\Access\\Settings
x $o\\Access\\Internet\\Recent Templates
k $o\\Access\\File MRU
x $o\\Publisher\\Recent File List
x $o\\Publisher\\File MRU
x $o\\Publisher\\Place MRU
x $o\\InfoPath\\Recent File List
x $o\\InfoPath\\Recent Templates
x $o\\InfoPath\\File MRU
x $o\\InfoPath\\Place MRU
x $o\\MS Project\\Recent File List
x $o\\MS Project\\Recent Templates
x $o\\MS Project\\ProjectTemplateLocation
x $o\\MS Project\\File MRU
x $o\\MS Project\\Place MRU
x $o\\Visio\\Recent Templates
x $o\\Visio\\File MRU
x $o\\Visio\\Place MRU
x $o\\Clip Organizer|MRUKeywords
k $o\\Clip Organizer|ClipArtCount=12
x $o\\Clip Organizer\\File MRU
x $o\\Clip Organizer\\Place MRU
x HKCU\\Software\\Microsoft\\OfficeProfileWizard\\RecentFileList
x HKCU\\Software\\Microsoft\\OfficeProfileWizard\\File MRU
x HKCU\\Software\\Microsoft\\OfficeProfileWizard\\Place MRU
k HKCU\\Software\\Microsoft\\OfficeProfileWizard\\11.0\\RecentFileList
x $o\\OIS\\Options|LastTreeConfig
x $o\\OIS\\Options|LastTreeSelection
k $o\\OIS\\Options|ThumbnailSize=96
x $o\\Common\\Open Find\\Microsoft Office Picture Manager\\Settings\\Add Picture Shortcut\\File Name MRU
x HKCU\\Software\\Microsoft\\Snapshot Viewer\\Recent File List
x HKCU\\Software\\Microsoft\\Snapshot Viewer\\File MRU
x HKCU\\Software\\Microsoft\\Snapshot Viewer\\Place MRU
k $o\\11.0\\Word\\Data
k $o\\11.0\\Excel\\Recent Files
k $o\\12.0\\Word\\File MRU
k $o\\12.0\\Access\\Settings

x HKCU\\Software\\Microsoft\\Internet Account Manager
- HKCU\\Software\\Microsoft\\Internet Account Manager\\Accounts\\00000001
x $oe\\Block Senders
- $oe\\Block Senders\\Mail
x $oe\\Rules\\Mail
- $oe\\Rules\\Mail\\000
x $oe\\Rules\\News
k $oe\\Rules|Version=3
x $oe\\signatures
- $oe\\signatures\\00000000
k $oe|Store Root=%UserProfile%\\Local Settings\\Application Data\\Identities
k HKCU\\Identities\\{5A1E7C20-3B4D-4E8F-9A0B-1C2D3E4F5A6B}\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail
x HKCU\\Software\\Microsoft\\Windows Mail\\Recent Stationery Wide List
x HKCU\\Software\\Microsoft\\Windows Mail\\Recently Used Addresses
x HKCU\\Software\\Microsoft\\Windows Mail\\Junk Mail\\Block Senders List
x HKCU\\Software\\Microsoft\\Windows Mail\\Junk Mail\\Safe Senders List
k HKCU\\Software\\Microsoft\\Windows Mail\\Junk Mail|Junk Mail Options=1
x HKCU\\Software\\Microsoft\\Windows Mail\\Rules\\Mail
x HKCU\\Software\\Microsoft\\Windows Mail\\Rules\\News
k HKCU\\Software\\Microsoft\\Windows Mail\\Signatures\\00000000
k HKCU\\Software\\Microsoft\\Windows Mail|Store Root=C:\\users\\$user\\AppData\\Local\\Microsoft\\Windows Mail

k HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Maxthon2|InstallLocation=C:\\Program Files\\Maxthon2
k HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Maxthon2|DisplayName=Maxthon 2
EOF
}

# The registry keys the snapshots cover; every key of the table lies below
# one of them.
registry_roots() {
  cat <<'EOF'
HKEY_CURRENT_USER
HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Direct3D
HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\DirectDraw
HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall
HKEY_LOCAL_MACHINE\SOFTWARE\Classes\TypeLib\{2B323CCC-50E3-11D3-9466-00A0C9700498}
EOF
}

# The folders the snapshots cover: host folder, a tab, its Windows name.
watched_folders() {
  printf '%s\t%s\n' "$profile" "C:\\users\\$user" "$root/home" "C:\\users\\$user\\Documents" \
    "$drive_c/Program Files" 'C:\Program Files' "$drive_c/windows/temp" 'C:\windows\temp' \
    "$trash" 'Trash'
  for found in "$drive_c"/Found.*; do
    [ -d "$found" ] && printf '%s\t%s\n' "$found" "C:\\${found##*/}"
  done
  return 0
}

# ---------------------------------------------------------------------------
# The tables resolved: mark, kind (file, folder, key or value), size,
# Windows path (a value as "key|name"), host path or the value's data.
resolved_files() {
  profile_files | awk '
    function win(base, rel,   n, parts, i, path) {
      sub(/\/$/, "", rel)
      n = split(rel, parts, "/")
      path = base
      for (i = 1; i <= n; i++) path = path "\\" parts[i]
      return path
    }
    NF == 0 { next }
    {
      mark = $1; base = $2; size = $3
      rel = $0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ +/, "", rel)
      kind = rel ~ /\/$/ ? "folder" : "file"
      u = "C:\\users\\" ENVIRON["user"]
      if (base == "R") { w = u "\\AppData\\Roaming"; h = ENVIRON["profile"] "/AppData/Roaming" }
      else if (base == "L") { w = u "\\AppData\\Local"; h = ENVIRON["profile"] "/AppData/Local" }
      else if (base == "D") { w = u "\\Documents"; h = ENVIRON["root"] "/home" }
      else if (base == "U") { w = u; h = ENVIRON["profile"] }
      else if (base == "C") { w = "C:"; h = ENVIRON["drive_c"] }
      else if (base == "T") { w = "Trash"; h = ENVIRON["trash"] }
      else { print "unknown base " base > "/dev/stderr"; exit 1 }
      printf "%s\t%s\t%s\t%s\t%s/%s\n", mark, kind, size, win(w, rel), h, rel
    }'
}

resolved_registry() {
  registry_entries | awk '
    NF == 0 { next }
    {
      mark = $1
      entry = $0; sub(/^[^ ]+ +/, "", entry)
      if (substr(entry, 1, 5) == "HKCU\\") entry = "HKEY_CURRENT_USER" substr(entry, 5)
      if (substr(entry, 1, 5) == "HKLM\\") entry = "HKEY_LOCAL_MACHINE" substr(entry, 5)
      bar = index(entry, "|")
      if (!bar) { printf "%s\tkey\t-\t%s\t\n", mark, entry; next }
      key = substr(entry, 1, bar - 1); value = substr(entry, bar + 1)
      data = "fixture"
      equals = index(value, "=")
      if (equals) { data = substr(value, equals + 1); value = substr(value, 1, equals - 1) }
      printf "%s\tvalue\t-\t%s|%s\t%s\n", mark, key, value, data
    }'
}

# ---------------------------------------------------------------------------
# Snapshots: one line per folder, file (with size and checksum), link, key
# and value, by Windows path, sorted.
snapshot_files() {
  watched_folders | while IFS="$(printf '\t')" read -r host name; do
    [ -d "$host" ] || continue
    (cd "$host" && {
      find . -type f -exec md5sum {} + | sed 's/^\([0-9a-f]*\)  \.\//md5 \1 /'
      find . -mindepth 1 -printf '%y %s %P\n'
    }) | name=$name awk '
      function win(rel,   n, parts, i, path) {
        n = split(rel, parts, "/")
        path = ENVIRON["name"]
        for (i = 1; i <= n; i++) path = path "\\" parts[i]
        return path
      }
      {
        type = $1; third = $2; rel = $0; sub(/^[^ ]+ [^ ]+ /, "", rel)
        if (type == "md5") { sum[rel] = third; next }
        if (type == "f") printf "%s\tfile\t%s\t%s\n", win(rel), third, sum[rel]
        else if (type == "d") printf "%s\tfolder\n", win(rel)
        else printf "%s\t%s\n", win(rel), type
      }'
  done | LC_ALL=C sort
}

query_script=$drive_c/murvane-profile-query.cmd
snapshot_registry() {
  registry_roots | awk '{ printf "reg query \"%s\" /s\r\nif not errorlevel 1 echo %s\r\n", $0, $0 }' |
    { printf '@echo off\r\n'; cat; } >"$query_script"
  # Wine keeps settings of its own below Software\Wine and adds to them as
  # programs start.
  wine_tool cmd /c 'C:\murvane-profile-query.cmd' 2>/dev/null | tr -d '\r' | awk '
    /^HKEY_/ { key = $0; wine = index(key, "HKEY_CURRENT_USER\\Software\\Wine") == 1 }
    wine { next }
    /^HKEY_/ { print key "\tkey"; next }
    /^    / {
      line = substr($0, 5); at = index(line, "    REG_")
      if (at) print key "|" substr(line, 1, at - 1) "\t" substr(line, at + 4)
    }' | LC_ALL=C sort -u
}

snapshot() {
  snapshot_files >"$1.files"
  snapshot_registry >"$1.registry"
}

# Lines of a snapshot that an erasure leaves: drops the paths in `gone` and
# everything below them, and everything below the paths in `emptied`.
left_after() {  # gone emptied snapshot
  awk -F'\t' '
    FILENAME == ARGV[1] { gone[$0] = 1; next }
    FILENAME == ARGV[2] { emptied[$0] = 1; next }
    {
      path = $1
      if (path in gone) next
      for (i = length(path); i > 1; i--) {
        c = substr(path, i, 1)
        if (c != "\\" && c != "|") continue
        above = substr(path, 1, i - 1)
        if ((above in gone) || (above in emptied)) next
      }
      print
    }' "$@"
}

# ---------------------------------------------------------------------------
# Building the fixture and taking it away again.
created=$scratch/created.txt
: >"$created"
reg_tops=$scratch/registry-tops.txt
: >"$reg_tops"

# The topmost folder that making `path` creates, so the cleanup can take it.
note_created() {
  path=$1 top=
  while [ ! -e "$path" ] && [ ! -L "$path" ]; do
    top=$path
    path=$(dirname "$path")
  done
  [ -z "$top" ] || printf '%s\n' "$top" >>"$created"
}

make_files() {
  while IFS="$(printf '\t')" read -r mark kind size win host; do
    note_created "$host"
    case $kind in
      folder) mkdir -p "$host" ;;
      file)
        mkdir -p "$(dirname "$host")"
        if [ "$size" = - ]; then
          printf 'murvane fixture: %s\r\n' "$win" >"$host"
        else
          yes "$win" | head -c "$size" >"$host"
        fi ;;
    esac
  done <"$scratch/files.tsv"
  write_special_files
}

# The keys the fixture creates where the prefix had none, from the snapshot
# taken before: the topmost missing key above each key of the table.
note_registry_tops() {  # snapshot
  registry_roots >"$scratch/roots.txt"
  awk -F'\t' '
    FILENAME == ARGV[1] { if ($2 == "key") have[$1] = 1; next }
    FILENAME == ARGV[2] { roots[$0] = 1; next }
    {
      key = $4; if ($2 == "value") sub(/\|.*/, "", key)
      if (key in have) next
      top = ""
      for (r in roots) if ((key == r || index(key, r "\\") == 1) && length(r) > length(top)) top = r
      if (top == "") { print "FAIL: no snapshot covers " key > "/dev/stderr"; exit 1 }
      rest = substr(key, length(top) + 2)
      while (top in have) {
        at = index(rest, "\\")
        if (at) { top = top "\\" substr(rest, 1, at - 1); rest = substr(rest, at + 1) }
        else { top = top "\\" rest; rest = "" }
      }
      print top
    }' "$1" "$scratch/roots.txt" "$scratch/registry.tsv" >"$reg_tops"
}

# Entries the pass erases that the prefix already holds (other tests work on
# the same keys) are removed first, so what the pass meets is the table's.
make_registry() {
  awk -F'\t' '
    BEGIN { printf "REGEDIT4\r\n" }
    function quoted(text,   i, c, out) {
      for (i = 1; i <= length(text); i++) {
        c = substr(text, i, 1)
        out = out (c == "\\" || c == "\"" ? "\\" : "") c
      }
      return "\"" out "\""
    }
    FNR == 1 { pass++ }
    {
      key = $4; name = "MRUList"; data = "a"
      if ($2 == "value") { name = key; sub(/^[^|]*\|/, "", name); sub(/\|.*/, "", key); data = $5 }
      if (pass == 1) {
        if ($1 == "k") next
        if ($2 == "key") printf "\r\n[-%s]\r\n", key
        else printf "\r\n[%s]\r\n%s=-\r\n", key, quoted(name)
        next
      }
      printf "\r\n[%s]\r\n%s=%s\r\n", key, name == "@" ? "@" : quoted(name), quoted(data)
    }' "$scratch/registry.tsv" "$scratch/registry.tsv" >"$drive_c/murvane-profile.reg"
  wine_tool regedit /S 'C:\murvane-profile.reg'
}

cleanup() {
  status=$?
  if [ -s "$reg_tops" ]; then
    sort -u "$reg_tops" | awk '
      BEGIN { printf "REGEDIT4\r\n" }
      /^HKEY_(CURRENT_USER|LOCAL_MACHINE)\\./ { printf "\r\n[-%s]\r\n", $0 }' \
      >"$drive_c/murvane-profile.reg"
    wine_tool regedit /S 'C:\murvane-profile.reg' || true
  fi
  sort -u "$created" | while read -r path; do
    case $path in "$root"/?*) rm -rf "$path" ;; esac
  done
  rm -f "$drive_c/murvane-profile.reg" "$query_script"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# ---------------------------------------------------------------------------
# The pass empties the temporary folders and the recycle bin whatever is in
# them; emptied first, they hold the table's files alone.
for folder in "$profile/Temp" "$drive_c/windows/temp" "$trash/files" "$trash/info"; do
  mkdir -p "$folder"
  find "$folder" -mindepth 1 -delete
done

resolved_files >"$scratch/files.tsv"
resolved_registry >"$scratch/registry.tsv"
snapshot_registry >"$scratch/prefix.registry"
note_registry_tops "$scratch/prefix.registry"
make_files
make_registry

# Settings: every track of the chosen sections, "1" each.
awk -F'\t' '
  BEGIN { split("firefox opera netscape mozilla maxthon chrome safari windows messenger office outlook mail", s, " ")
          for (i in s) chosen[s[i]] = 1 }
  tolower($1) in chosen {
    if ($1 != section) { section = $1; printf "[%s]\r\n", section }
    printf "%s=1\r\n", $2
  }' "$scratch/list.txt" >"$scratch/prisd.dat"
[ "$(grep -c '=1' "$scratch/prisd.dat")" -eq 120 ] || fail "120 tracks in the chosen sections: $(cat "$scratch/prisd.dat")"

# Expected: the erased and emptied paths, and the preview's items with their
# sizes (a folder counts the files below it that are not listed themselves).
snapshot "$scratch/before"
awk -F'\t' '$1 == "x" || $1 == "-" { print $4 }' "$scratch/files.tsv" "$scratch/registry.tsv" >"$scratch/gone.txt"
awk -F'\t' '$1 == "e" { print $4 }' "$scratch/files.tsv" >"$scratch/emptied.txt"
{
  awk -F'\t' '
    FILENAME == ARGV[1] { if ($1 == "x" || $1 == "e") item[$4] = $2; if ($1 == "x") own[$4] = 1; next }
    FILENAME == ARGV[2] { shrunk[$1] = $2; next }
    $2 == "file" { size[$1] = $3 - shrunk[$1] }
    END {
      for (path in item) {
        if (item[path] == "file") { if (!(path in size)) size[path] = "missing"; printf "file: %s (%s bytes)\n", path, size[path]; continue }
        total = 0
        for (file in size) if (index(file, path "\\") == 1 && !(file in own)) total += size[file]
        printf "folder: %s (%.0f bytes)\n", path, total
      }
    }' "$scratch/files.tsv" "$scratch/shrunk.txt" "$scratch/before.files"
  awk -F'\t' '
    $1 != "x" { next }
    $2 == "key" { print "registry key: " $4 }
    $2 == "value" { bar = index($4, "|"); print "registry value: " substr($4, 1, bar - 1) "\\" substr($4, bar + 1) }
  ' "$scratch/registry.tsv"
  other_preview_items
} | LC_ALL=C sort >"$scratch/expected-items.txt"
bin_bytes=$(awk -F'\t' 'index($1, "Trash\\files\\") == 1 && $2 == "file" { total += $3 } END { printf "%.0f", total }' "$scratch/before.files")
expected_bytes=$(awk -F'\t' -v bin="$bin_bytes" '{ sub(/ bytes\)$/, ""); sub(/.* \(/, ""); total += $0 }
  END { printf "%.0f", total + bin }' <<EOF
$(grep -E '^(file|folder): ' "$scratch/expected-items.txt")
EOF
)

# ---------------------------------------------------------------------------
# Preview: the items, under the captions in pass order; nothing changed.
cli_run preview >"$scratch/preview.txt"
snapshot "$scratch/after-preview"
cmp -s "$scratch/before.files" "$scratch/after-preview.files" ||
  fail "preview changed files: $(diff "$scratch/before.files" "$scratch/after-preview.files")"
cmp -s "$scratch/before.registry" "$scratch/after-preview.registry" ||
  fail "preview changed the registry: $(diff "$scratch/before.registry" "$scratch/after-preview.registry")"

grep -v '^  ' "$scratch/preview.txt" | sed '$d' >"$scratch/headings.txt"
[ "$(wc -l <"$scratch/headings.txt")" -eq 120 ] || fail "120 headings: $(cat "$scratch/headings.txt")"
[ "$(head -n 1 "$scratch/headings.txt")" = "Firefox Address Bar History" ] || fail "first heading"
[ "$(tail -n 1 "$scratch/headings.txt")" = "Windows Mail accounts" ] || fail "last heading"
[ "$(grep -cx 'Maxthon information about open pages' "$scratch/headings.txt")" -eq 2 ] ||
  fail "Maxthon's open pages and download folder rows share a caption"
# The messengers in the order the pass runs them, which is not the settings
# window's; the Office tracks come between them and Outlook Express.
grep -A 18 -x 'Windows XP unread mail count' "$scratch/headings.txt" | tail -n +2 >"$scratch/messengers.txt"
cat >"$scratch/messengers-expected.txt" <<'EOF'
Windows Live Messenger chat log folder
Windows Live Messenger Received Files folder
Yahoo! Messenger Page settings
Yahoo! Messenger profiles
Yahoo! Messenger Temporary Internet Files
Yahoo! Messenger Log Files
AOL Instant Messenger settings
AOL Instant Messenger Recent screen names
AOL Messenger user password
AOL Information about Buddy list
AOL Messenger logs
AOL Messenger Sign in history
ICQ User history
ICQ contact list
ICQ Account
ICQ All the files received from the other users
ICQ Toolbar search history
Microsoft Word
EOF
cmp -s "$scratch/messengers.txt" "$scratch/messengers-expected.txt" ||
  fail "messenger rows: $(diff "$scratch/messengers-expected.txt" "$scratch/messengers.txt")"
grep -A 1 -x 'Microsoft Snapshot Viewer' "$scratch/headings.txt" | tail -n 1 |
  grep -qx 'outlook express address book' || fail "Outlook Express follows Office"

grep '^  ' "$scratch/preview.txt" | sed 's/^  //; s/^registry key with its subkeys: /registry key: /' |
  sed '/^registry /s/\\\\*/\\/g' | LC_ALL=C sort >"$scratch/items.txt"
cmp -s "$scratch/items.txt" "$scratch/expected-items.txt" ||
  fail "preview items (< expected, > listed): $(diff "$scratch/expected-items.txt" "$scratch/items.txt")"
totals=$(tail -n 1 "$scratch/preview.txt")
expected_mb=$(awk -v b="$expected_bytes" 'BEGIN { printf "%.2f", b / 1048576 }')
printf '%s\n' "$totals" |
  grep -Eqx "Task complete Successfully! Cleaned Registry Keys: [0-9]+ Released HD Space:${expected_mb}MB" ||
  fail "preview totals, expected ${expected_mb}MB: $totals"

# ---------------------------------------------------------------------------
# Clean: the same rows, all Done, the same totals; exactly the listed items
# gone, the batch file run to its end, the bin emptied.
cli_run clean >"$scratch/clean.txt"
snapshot "$scratch/after-clean"
[ "$(wc -l <"$scratch/clean.txt")" -eq 121 ] || fail "120 rows and the report: $(cat "$scratch/clean.txt")"
sed '$d' "$scratch/clean.txt" | awk -F'\t' '{ print $1 }' >"$scratch/rows.txt"
cmp -s "$scratch/rows.txt" "$scratch/headings.txt" ||
  fail "rows differ from the preview's headings: $(diff "$scratch/headings.txt" "$scratch/rows.txt")"
sed '$d' "$scratch/clean.txt" | awk -F'\t' '$2 != "Done"' | grep . && fail "rows not Done"
[ "$(tail -n 1 "$scratch/clean.txt")" = "$totals" ] ||
  fail "report differs from the preview's totals: $(tail -n 1 "$scratch/clean.txt") / $totals"
tr -d '\r' <"$scratch/prisd.dat" | grep -qx "filesize=$expected_bytes" ||
  fail "released bytes, expected $expected_bytes: $(tr -d '\r' <"$scratch/prisd.dat" | grep filesize)"

left_after "$scratch/gone.txt" "$scratch/emptied.txt" "$scratch/before.files" >"$scratch/expected-after.files"
cmp -s "$scratch/after-clean.files" "$scratch/expected-after.files" ||
  fail "files after clean (< expected, > found): $(diff "$scratch/expected-after.files" "$scratch/after-clean.files")"
left_after "$scratch/gone.txt" "$scratch/emptied.txt" "$scratch/before.registry" >"$scratch/expected-after.registry"
cmp -s "$scratch/after-clean.registry" "$scratch/expected-after.registry" ||
  fail "registry after clean (< expected, > found): $(diff "$scratch/expected-after.registry" "$scratch/after-clean.registry")"
echo "profile: ok"
