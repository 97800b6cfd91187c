#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace tamsoret;

TEST(QtTranslations, QtsOwnTextsFollowTheFirstLanguageThatHasACatalogueAndEnglishStaysAsItIs)
{
    const QString english = QStringLiteral("Save As|&Save|Cancel");
    const QString german = QStringLiteral("Speichern unter|S&peichern|Abbrechen");
    // de_AT has no catalogue of its own but German has; Swedish has none at all.
    const struct {
        const char *locale;
        QString texts;
    } cases[] = {{"C", english},     {"en_US", english}, {"de_DE", german},
                 {"de_AT", german},  {"sv_SE", english}};
    for (const auto &c : cases) {
        QTranslator *installed = installQtTranslations(*QCoreApplication::instance(),
                                                       QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(installed != nullptr, c.texts != english) << c.locale;
        // The save dialog's title and Save button, and a message box's Cancel.
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As") + u'|' +
                      QCoreApplication::translate("QFileDialog", "&Save") + u'|' +
                      QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  c.texts)
            << c.locale;
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
}
