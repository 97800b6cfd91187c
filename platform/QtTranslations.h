#pragma once

#include <QLocale>

#include <memory>

class QCoreApplication;
class QTranslator;

namespace tamsoret {

// The catalogues a run installed; each is owned by the application, null when none was.
struct InstalledTranslations
{
    QTranslator *qt = nullptr;      // Qt's own texts: the save and font dialogs, the buttons
    QTranslator *program = nullptr; // the program's windows and messages
};

// Loads, for the first language the user asks for that has one, Qt's own catalogue
// (qtbase) and the program's, so that the windows, the messages and what Qt draws itself
// speak the desktop's language. Each catalogue is looked for on its own, by the same rule:
// the languages are tried in the user's order, and English (or the C locale) stops the
// search, as the texts are English already and a language put after English must not win
// over it. A C or POSIX LC_MESSAGES also gives English, whatever LANGUAGE says, as it does
// for every program that uses gettext. The listing itself never goes through a catalogue.
InstalledTranslations installQtTranslations(QCoreApplication &app,
                                            const QLocale &locale = QLocale::system());

// The program's catalogue for the user's language, by the rule above, or null for English.
// Needs no application object: for texts made before there is one.
std::unique_ptr<QTranslator> loadProgramTranslations(const QLocale &locale = QLocale::system());

// The program's text in the user's language, for code that also runs before there is an
// application object: the arguments are read, and their complaints and --help printed,
// before one exists, and QCoreApplication::translate then gives the English text. Without
// an application the catalogue is asked directly (loaded once); with one, its installed
// translators are, so that installQtTranslations() decides in both cases.
struct ProgramText
{
    static QString translate(const char *context, const char *source);
};

} // namespace tamsoret
