// Everything outside the player that a playing macro reaches: the platform's service bundle.
#pragma once

#include "platform/services.h"

namespace quindle::engine {

using PlayerServices = platform::Services;

}  // namespace quindle::engine
