#include "platform/PageBuffers.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tamsoret {

// Qt's PDF engine, the printer's included, compresses every finished page through buffers
// of several megabytes that it allocates and frees page by page. glibc hands such blocks
// back to the kernel when they are freed and takes them again, zero-filled page by page,
// for the next one: a third of the time of a listing of many pages went there. With
// big blocks taken from the heap and the heap not trimmed, each page reuses the memory the
// one before it freed.
void KeepPageBuffers()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
}

} // namespace tamsoret
