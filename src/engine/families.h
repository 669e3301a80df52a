// The track tables of each family, in the order a pass runs them. Each family
// lives in a source of its own; the pass plan (cleaning_pass.cpp) puts the
// sections in their fixed order and falls back to the catalogue for any
// section no family table covers yet.
#pragma once

#include <span>

#include "engine/pass_types.h"

namespace engine {

// EXPLORER, AOL, MSN.
std::span<const TrackSpec> InternetExplorerTracks();
// FIREFOX, Opera, Netscape, Mozilla, Maxthon, Chrome, Safari.
std::span<const TrackSpec> ProfileBrowserTracks();
// WINDOWS.
std::span<const TrackSpec> WindowsTracks();
// Messenger, then outlook and mail (which run after the Office tracks).
std::span<const TrackSpec> MessengerTracks();
std::span<const TrackSpec> MailTracks();
// The Office version detection step, then OFFICE.
std::span<const TrackSpec> OfficeTracks();
// Custom.
std::span<const TrackSpec> CustomTracks();

}  // namespace engine
