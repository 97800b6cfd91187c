#pragma once

namespace tamsoret {

// While an object of this class lives (a page job, a tree walk), the memory of freed page buffers stays
// in the process for the next page; see the source for why. When the last one goes, by the
// job's end or by an exception, glibc's own thresholds are set again, so that the rest of
// the process gives memory back as it did before. Safe from any thread.
class KeptPageBuffers
{
public:
    KeptPageBuffers();
    ~KeptPageBuffers();
    KeptPageBuffers(const KeptPageBuffers &) = delete;
    KeptPageBuffers &operator=(const KeptPageBuffers &) = delete;
};

} // namespace tamsoret
