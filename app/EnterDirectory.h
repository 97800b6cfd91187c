#pragma once

#include <QString>
#include <QStringList>

namespace tamsoret {

// The one command-line argument: every argument after the program name joined with
// single blanks (a shell may split a path with blanks into several).
QString CommandLineText(const QStringList &arguments);

// Makes the folder named by path current, one component at a time from "/": each
// component is looked up among the stored names (exact first, then without regard to
// case) and entered under its stored name. False when any step fails.
bool EnterDirectory(const QString &path);

} // namespace tamsoret
