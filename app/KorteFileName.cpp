#include "app/KorteFileName.h"

namespace tamsoret {

QString KorteFileName(const QString &path, const TextMeasure &measure,
                      const std::function<double()> &labelWidth)
{
    // The root "/" is the head; the tail is capped before anything is measured.
    const QString head = path.left(1);
    QString tail = path.mid(1, 200);
    QString marker;
    for (;;) {
        if (measure(head + marker + tail) < labelWidth())
            break;
        const qsizetype p = tail.indexOf(u'/');
        if (p < 0)
            break;
        marker = QStringLiteral(".../");
        tail = tail.mid(p + 1, 200);
    }
    return head + marker + tail;
}

} // namespace tamsoret
