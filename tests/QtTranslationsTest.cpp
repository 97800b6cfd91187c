#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace tamsoret;

TEST(QtTranslations, QtsOwnTextsFollowTheFirstLanguageThatHasACatalogueAndEnglishStaysAsItIs)
{
    const char *english = "Save As|&Save|Cancel", *german = "Speichern unter|S&peichern|Abbrechen";
    // de_AT has no catalogue of its own but German has; Swedish has none at all.
    const std::pair<const char *, const char *> cases[] = {
        {"C", english}, {"en_US", english}, {"de_DE", german}, {"de_AT", german}, {"sv_SE", english}};
    for (const auto &[locale, texts] : cases) {
        QTranslator *installed = installQtTranslations(*QCoreApplication::instance(),
                                                       QLocale(QString::fromLatin1(locale)));
        EXPECT_EQ(installed != nullptr, texts == german) << locale;
        // The save dialog's title and Save button, and a message box's Cancel.
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As") + u'|' +
                      QCoreApplication::translate("QFileDialog", "&Save") + u'|' +
                      QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QString::fromUtf8(texts)) << locale;
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
}
