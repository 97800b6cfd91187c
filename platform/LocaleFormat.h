#pragma once

#include <QLocale>
#include <QString>
#include <array>

namespace tamsoret {

// The parts of the user's locale the listing texts are made of.
struct LocaleFormat {
    QChar dateSeparator = u'/';
    QChar timeSeparator = u':';
    QString groupSeparator = QStringLiteral(",");
    std::array<QString, 7> dayNames;    // full names, [0] = Sunday
    std::array<QString, 12> monthNames; // full names, [0] = January

    // Built from the given locale (the system locale by default).
    static LocaleFormat fromLocale(const QLocale &locale = QLocale::system());
};

} // namespace tamsoret
