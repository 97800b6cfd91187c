#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace tamsoret;

TEST(QtTranslations, QtsAndTheProgramsTextsFollowTheFirstLanguageThatHasACatalogue)
{
    const char *english = "Save As|&Save|Cancel", *german = "Speichern unter|S&peichern|Abbrechen";
    // de_AT has no catalogue of its own but German has; Swedish has none at all, and the C
    // locale and English need none.
    const struct {
        const char *locale;
        const char *qt;
        const char *program;
    } cases[] = {
        {"C", english, "&Options|Reading ..."},
        {"en_US", english, "&Options|Reading ..."},
        {"de_DE", german, "&Optionen|Lesen ..."},
        {"de_AT", german, "&Optionen|Lesen ..."},
        {"fr_FR", "Enregistrer sous|&Enregistrer|Annuler", "&Options|Lecture ..."},
        {"nl_NL", "Opslaan als|Op&slaan|Annuleren", "&Opties|Lezen ..."},
        {"es_ES", "Guardar como|&Guardar|Cancelar", "&Opciones|Leyendo ..."},
        {"sv_SE", english, "&Options|Reading ..."},
    };
    for (const auto &c : cases) {
        const InstalledTranslations installed = installQtTranslations(
            *QCoreApplication::instance(), QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(installed.qt != nullptr, c.qt != english) << c.locale;
        EXPECT_EQ(installed.program != nullptr, c.qt != english) << c.locale;
        // The save dialog's title and Save button, and a message box's Cancel.
        EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As") + u'|' +
                      QCoreApplication::translate("QFileDialog", "&Save") + u'|' +
                      QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QString::fromUtf8(c.qt)) << c.locale;
        // The program's own: the main window's and the run's.
        EXPECT_EQ(QCoreApplication::translate("tamsoret::frmMain", "&Options") + u'|' +
                      QCoreApplication::translate("ListingRun", "Reading ..."),
                  QString::fromUtf8(c.program)) << c.locale;
        for (QTranslator *translator : {installed.qt, installed.program}) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        // Before an application object exists the catalogue is asked directly.
        const std::unique_ptr<QTranslator> direct =
            loadProgramTranslations(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(direct ? direct->translate("ListingRun", "Reading ...")
                         : QStringLiteral("Reading ..."),
                  QString::fromUtf8(c.program).section(u'|', 1)) << c.locale;
    }
}
