#pragma once
// The configuration image of the start-up settings, as a new device holds it.

#include "image/ConfigImage.h"
#include "settings/Clock.h"

namespace korvex {

// The start-up state at the clock's time, encoded with the clock's stamp. Throws std::logic_error
// when it does not pass the encoder's checks.
ConfigImage startupImage(const Clock& clock);

}  // namespace korvex
