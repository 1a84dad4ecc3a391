#pragma once
// The system's answers that the decision of where files live needs, from Qt's standard paths.

#include "app/Locations.h"

namespace velmora {

// Needs the application object: the program folder is the executable's.
LocationFacts SystemLocationFacts();
inline Locations SystemLocations() { return DecideLocations(SystemLocationFacts()); }

}  // namespace velmora
