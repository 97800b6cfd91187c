#pragma once

#include <QLocale>

class QCoreApplication;
class QTranslator;

namespace tamsoret {

// Loads Qt's own catalogue (qtbase) for the first language the user asks for, so that what
// Qt draws itself follows the desktop's language: the save and font dialogs, the standard
// buttons of the message boxes. The program's own texts are not looked up in any catalogue
// and stay as designed, and so does every listing. When that first language is English (or
// the C locale) nothing is loaded: Qt's texts are English already, and a language the user
// put after English must not win over it. Returns the installed translator, owned by app,
// or nullptr when none was installed.
QTranslator *installQtTranslations(QCoreApplication &app,
                                   const QLocale &locale = QLocale::system());

} // namespace tamsoret
