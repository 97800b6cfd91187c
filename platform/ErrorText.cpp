#include "platform/ErrorText.h"

#include <clocale>
#include <cstring>
#include <locale.h>

namespace tamsoret {

QString EnglishErrorText(int error)
{
    // The C locale's texts are the system's own English ones; the object lives as long as
    // the program, made once.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    if (c == locale_t(0)) return QStringLiteral("Error %1").arg(error);
    return QString::fromUtf8(strerror_l(error, c));
}

} // namespace tamsoret
