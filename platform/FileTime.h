#pragma once

#include <QtGlobal>

namespace tamsoret {

// A local calendar date and time of day, to the second.
struct LocalDateTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfWeek = 0; // 0 = Sunday .. 6 = Saturday
    int utcOffset = 0; // seconds east of UTC in force at that moment
};

// Converts a UTC time (seconds since the epoch) to local time with the time-zone offset
// in force at that moment, daylight saving included. Returns false when the platform
// cannot convert it.
bool LocalTimeOf(qint64 utcSeconds, LocalDateTime &out);

// The current local date and time.
LocalDateTime CurrentLocalTime();

} // namespace tamsoret
