#include "engine/families.h"

namespace engine {

std::span<const TrackSpec> MessengerTracks() { return {}; }
std::span<const TrackSpec> MailTracks() { return {}; }

}  // namespace engine
