#pragma once

namespace tamsoret {

// Keeps the memory of freed page buffers in the process for the next page; see the source
// for why. Safe to call any number of times, from any thread.
void KeepPageBuffers();

} // namespace tamsoret
