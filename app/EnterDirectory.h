#pragma once

#include "platform/ListedFolder.h"

#include <QString>
#include <QStringList>

namespace tamsoret {

// The one command-line argument: every argument after the program name joined with
// single blanks (a shell may split a path with blanks into several).
QString CommandLineText(const QStringList &arguments);

// Opens the folder named by path one component at a time from "/": each component is
// looked up among the stored names (exact first, then without regard to case) and opened
// under its stored name. An invalid value when any step fails.
ListedFolder EnterDirectory(const QString &path);

} // namespace tamsoret
