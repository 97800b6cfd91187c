#pragma once

#include "platform/ListingFont.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace tamsoret {

constexpr qint16 OrderByName = 1;
constexpr qint16 OrderByDOS = 2;
constexpr qint16 OrderBySize = 3;
constexpr qint16 OrderByTime = 4;

struct ListOptions {
    bool ShowName = true;
    bool ShowDOS = true;
    bool ShowSize = true;
    bool ShowTime = true;
    bool ShowAttr = true;
    qint16 OrderBy = OrderByName;
    bool OrderAZ = true;
    qint16 MarginLeft = 20;
    qint16 MarginTop = 25;
    qint16 MarginBottom = 30;
};

// The number at the start of a text (blanks, tabs and line feeds ignored anywhere; the
// full stop is the only decimal separator); 0 when the text does not begin with one.
double LeadingNumber(QStringView text);

// Rounded to the nearest integer, halves to even; nothing when outside -32768..32767.
std::optional<qint16> RoundToInt16(double value);

// Why a margin typed as text is refused: it rounds to a value outside -32768..32767 mm.
// name is "left", "top" or "bottom".
QString MarginRangeMessage(const char *name, const QString &typed);

// A size in points as decimal text with a full stop and no superfluous digits ("10", "10.5").
QString PointSizeText(float size);

} // namespace tamsoret
