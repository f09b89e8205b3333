// A pause that keeps the calling thread's window messages flowing.
#pragma once

namespace web {

// Returns after the given milliseconds (at once for 0 or less), dispatching
// the calling thread's messages meanwhile.
void PumpingDelay(int milliseconds);

}  // namespace web
