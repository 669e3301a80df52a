#include "engine/families.h"

namespace engine {

std::span<const TrackRow> InternetExplorerTracks() {
  return {};
}

}  // namespace engine
