#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tamsoret {

namespace {

// The first of the user's languages whose catalogue `name` loads from folder, or null.
std::unique_ptr<QTranslator> LoadCatalogue(const QLocale &locale, const QString &name,
                                           const QString &folder)
{
    if (locale.language() == QLocale::C) return nullptr;
    for (const QString &tag : locale.uiLanguages()) {
        const QLocale language(tag);
        // The first language the user reads stops the search; a later one is only a
        // fall-back for when the earlier ones have no catalogue.
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return nullptr;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(language, name, QStringLiteral("_"), folder)) return translator;
    }
    return nullptr;
}

QTranslator *Install(QCoreApplication &app, std::unique_ptr<QTranslator> translator)
{
    if (!translator) return nullptr;
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

} // namespace

std::unique_ptr<QTranslator> loadProgramTranslations(const QLocale &locale)
{
    // Built into the program (translations/), so that an uninstalled build speaks too.
    return LoadCatalogue(locale, QStringLiteral("tamsoret"), QStringLiteral(":/i18n"));
}

QString ProgramText::translate(const char *context, const char *source)
{
    if (QCoreApplication::instance()) return QCoreApplication::translate(context, source);
    static const std::unique_ptr<QTranslator> early = loadProgramTranslations();
    if (early) {
        const QString text = early->translate(context, source);
        if (!text.isEmpty()) return text;
    }
    return QString::fromUtf8(source);
}

InstalledTranslations installQtTranslations(QCoreApplication &app, const QLocale &locale)
{
    // Only qtbase: the program uses no other Qt module that draws text, and the "qt" meta
    // catalogue would load the catalogues of every module that has one.
    InstalledTranslations installed;
    installed.qt = Install(app, LoadCatalogue(locale, QStringLiteral("qtbase"),
                                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    installed.program = Install(app, loadProgramTranslations(locale));
    return installed;
}

} // namespace tamsoret
