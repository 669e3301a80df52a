#include "engine/families.h"

namespace engine {

std::span<const TrackSpec> InternetExplorerTracks() {
  return {};
}

}  // namespace engine
