#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tamsoret {

QTranslator *installQtTranslations(QCoreApplication &app, const QLocale &locale)
{
    // Only qtbase: the program uses no other Qt module that draws text, and the "qt" meta
    // catalogue would load the catalogues of every module that has one.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &tag : locale.uiLanguages()) {
        const QLocale language(tag);
        // The first language the user reads stops the search; a later one is only a
        // fall-back for when the earlier ones have no catalogue.
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return nullptr;
        auto *translator = new QTranslator(&app);
        if (translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            app.installTranslator(translator);
            return translator;
        }
        delete translator;
    }
    return nullptr;
}

} // namespace tamsoret
