#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace tamsoret;

// The save dialog's title and accept button, and a message box's Cancel, as Qt draws them.
static QString QtTexts()
{
    return QCoreApplication::translate("QFileDialog", "Save As") + u'|' +
           QCoreApplication::translate("QFileDialog", "&Save") + u'|' +
           QCoreApplication::translate("QPlatformTheme", "Cancel");
}

TEST(QtTranslations, QtsOwnTextsFollowTheFirstLanguageThatHasACatalogueAndEnglishStaysAsItIs)
{
    const QString english = QStringLiteral("Save As|&Save|Cancel");
    const QString german = QStringLiteral("Speichern unter|S&peichern|Abbrechen");
    const struct {
        const char *locale;
        QString texts;
    } cases[] = {
        {"C", english},
        {"en_US", english},
        {"de_DE", german},
        // No Austrian catalogue: the language's own serves.
        {"de_AT", german},
        // No Swedish catalogue at all: Qt's English, not some other language's.
        {"sv_SE", english},
    };
    for (const auto &c : cases) {
        QTranslator *installed = installQtTranslations(*QCoreApplication::instance(),
                                                       QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(installed != nullptr, c.texts != english) << c.locale;
        EXPECT_EQ(QtTexts(), c.texts) << c.locale;
        if (installed) {
            QCoreApplication::removeTranslator(installed);
            delete installed;
        }
    }
}
