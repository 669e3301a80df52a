#include "engine/families.h"

namespace engine {

std::span<const TrackSpec> WindowsTracks() { return {}; }

}  // namespace engine
