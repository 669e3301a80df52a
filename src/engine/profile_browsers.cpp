#include "engine/families.h"

namespace engine {

std::span<const TrackSpec> ProfileBrowserTracks() { return {}; }

}  // namespace engine
