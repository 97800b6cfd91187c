#pragma once

#include <QByteArrayView>

#include <cstddef>

namespace tamsoret {

// The processors this process may keep busy at once: those its affinity allows, fewer
// when the CPU quota of its control group (cgroup v2 cpu.max, of its own group or any
// above it) pays for fewer. At least 1.
unsigned UsableProcessors();

// The whole processors a cpu.max text ("quota period", or "max period") pays for,
// rounded up; 0 when it sets no limit or cannot be read.
unsigned ProcessorsInQuota(QByteArrayView cpuMax);

// Threads for `items` pieces of work, the caller's among them: one for every
// `itemsPerThread` items, never more than `cap` nor than `processors`, and at least 1.
unsigned ThreadsFor(size_t items, size_t itemsPerThread, unsigned cap, unsigned processors);

// How often the calling thread has so far given up its processor to wait (for the disk, a
// lock, ...), as opposed to being made to give it up to other threads.
qint64 ThreadWaits();

// The descriptors this process may hold open at once (its soft limit).
unsigned OpenFilesAllowed();

// A thread count forced through the environment variable `name`, for measuring only;
// 0 when the variable is not set to a number.
unsigned ForcedThreads(const char *name);

} // namespace tamsoret
