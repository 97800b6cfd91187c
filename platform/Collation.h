#pragma once

#include <QByteArray>
#include <QCollator>
#include <QLocale>
#include <QString>

namespace tamsoret {

// Case-insensitive text comparison in the user's collation.
class Collation
{
public:
    explicit Collation(const QLocale &locale = QLocale::system());
    // -1, 0 or 1.
    int compare(const QString &a, const QString &b) const;
    // A byte key whose plain byte comparison agrees in sign with compare().
    QByteArray sortKey(const QString &text) const;

private:
    QCollator collator_;
};

} // namespace tamsoret
