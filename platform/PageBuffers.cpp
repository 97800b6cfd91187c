#include "platform/PageBuffers.h"

#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tamsoret {

namespace {

std::mutex jobsMutex;
int jobs = 0; // page jobs running, under jobsMutex

} // namespace

// Qt's PDF engine, the printer's included, compresses every finished page through buffers
// of several megabytes that it allocates and frees page by page. glibc hands such blocks
// back to the kernel when they are freed and takes them again, zero-filled page by page,
// for the next one: a third of the time of a listing of many pages went there. With
// big blocks taken from the heap and the heap not trimmed, each page reuses the memory the
// one before it freed.
KeptPageBuffers::KeptPageBuffers()
{
    const std::lock_guard lock(jobsMutex);
#ifdef __GLIBC__
    if (jobs == 0) {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    }
#endif
    ++jobs;
}

// glibc cannot tell what the thresholds were before; its defaults are what a process that
// never set them starts with. (Its mmap threshold then stays fixed instead of rising with
// the blocks freed: glibc has no call that turns that back on.)
KeptPageBuffers::~KeptPageBuffers()
{
    const std::lock_guard lock(jobsMutex);
    --jobs;
#ifdef __GLIBC__
    if (jobs == 0) {
        mallopt(M_MMAP_THRESHOLD, 128 * 1024);
        mallopt(M_TRIM_THRESHOLD, 128 * 1024);
    }
#endif
}

} // namespace tamsoret
