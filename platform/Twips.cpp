#include "platform/Twips.h"

#include <QFont>
#include <QStringList>

namespace tamsoret {

QFont DialogFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("sans-serif")});
    font.setPointSizeF(8.25);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace tamsoret
