#include "platform/FileTime.h"

#include <ctime>

namespace tamsoret {

namespace {

LocalDateTime FromTm(const std::tm &tm)
{
    LocalDateTime out;
    out.year = tm.tm_year + 1900;
    out.month = tm.tm_mon + 1;
    out.day = tm.tm_mday;
    out.hour = tm.tm_hour;
    out.minute = tm.tm_min;
    out.second = tm.tm_sec;
    out.dayOfWeek = tm.tm_wday;
    out.utcOffset = int(tm.tm_gmtoff);
    return out;
}

} // namespace

bool LocalTimeOf(qint64 utcSeconds, LocalDateTime &out)
{
    const std::time_t t = static_cast<std::time_t>(utcSeconds);
    if (static_cast<qint64>(t) != utcSeconds)
        return false;
    std::tm tm{};
    if (!localtime_r(&t, &tm))
        return false;
    out = FromTm(tm);
    return true;
}

LocalDateTime CurrentLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return FromTm(tm);
}

} // namespace tamsoret
