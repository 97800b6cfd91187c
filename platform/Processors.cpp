#include "platform/Processors.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <sched.h>
#include <sys/resource.h>
#include <thread>

namespace tamsoret {

unsigned OpenFilesAllowed()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return 1u << 20;
    return unsigned(std::min<rlim_t>(limit.rlim_cur, 1u << 20));
}

qint64 ThreadWaits()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return qint64(usage.ru_nvcsw);
}

namespace {

QByteArray ReadSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.read(4096);
}

// The tightest quota on the way from the process's cgroup v2 group up to the root; 0 when
// none sets one (or the process is in no cgroup v2 group, as under cgroup v1).
unsigned QuotaProcessors()
{
    QByteArray group;
    for (const QByteArray &line : ReadSmallFile(QStringLiteral("/proc/self/cgroup")).split('\n')) {
        if (line.startsWith("0::")) group = line.mid(3);
    }
    if (!group.startsWith('/')) return 0;
    unsigned tightest = 0;
    for (;;) {
        const unsigned quota =
            ProcessorsInQuota(ReadSmallFile(QStringLiteral("/sys/fs/cgroup") +
                                            QString::fromUtf8(group) + QStringLiteral("/cpu.max")));
        if (quota != 0 && (tightest == 0 || quota < tightest)) tightest = quota;
        if (group == "/" || group.isEmpty()) return tightest;
        group.truncate(std::max<qsizetype>(group.lastIndexOf('/'), 1));
    }
}

} // namespace

unsigned ProcessorsInQuota(QByteArrayView cpuMax)
{
    const QList<QByteArray> fields = cpuMax.trimmed().toByteArray().split(' ');
    if (fields.size() != 2) return 0;
    bool quotaOk = false, periodOk = false;
    const qulonglong quota = fields[0].toULongLong(&quotaOk);
    const qulonglong period = fields[1].toULongLong(&periodOk);
    if (!quotaOk || !periodOk || period == 0 || quota == 0) return 0;
    // Half a processor's quota still keeps one thread going.
    return unsigned(std::min<qulonglong>((quota + period - 1) / period, 1u << 16));
}

unsigned UsableProcessors()
{
    unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0)
        processors = std::min(processors, unsigned(std::max(1, CPU_COUNT(&allowed))));
    const unsigned quota = QuotaProcessors();
    if (quota != 0) processors = std::min(processors, quota);
    return processors;
}

unsigned ThreadsFor(size_t items, size_t itemsPerThread, unsigned cap, unsigned processors)
{
    const size_t wanted = itemsPerThread ? items / itemsPerThread : 1;
    return unsigned(std::max<size_t>(1, std::min({wanted, size_t(cap), size_t(processors)})));
}

unsigned ForcedThreads(const char *name)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const uint threads = value.toUInt(&ok);
    return ok ? std::min(threads, 256u) : 0;
}

} // namespace tamsoret
