// The track tables of each family, in the order a pass runs them. Each family
// lives in a source of its own; the pass plan (cleaning_pass.cpp) puts the
// sections in their fixed order and falls back to the catalogue for any
// section no family table covers yet.
#pragma once

#include <span>

#include "engine/pass_types.h"

namespace engine {

// EXPLORER, AOL, MSN.
std::span<const TrackRow> InternetExplorerTracks();
// FIREFOX, Opera, Netscape, Mozilla, Maxthon, Chrome, Safari.
std::span<const TrackRow> ProfileBrowserTracks();
// WINDOWS.
std::span<const TrackRow> WindowsTracks();
// Messenger, then outlook and mail (which run after the Office tracks).
std::span<const TrackRow> MessengerTracks();
std::span<const TrackRow> MailTracks();
// The Office version detection step, then OFFICE.
std::span<const TrackRow> OfficeTracks();
// Custom.
std::span<const TrackRow> CustomTracks();

}  // namespace engine
