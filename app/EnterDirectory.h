#pragma once

#include "platform/ListedFolder.h"

#include <QString>

namespace tamsoret {

// Opens the folder named by path one component at a time from "/", or from the working
// folder when path does not begin with "/": each component is looked up among the stored
// names (exact first, then without regard to case) and opened under its stored name. An
// invalid value when any step fails.
ListedFolder EnterDirectory(const QString &path);

// What a folder that cannot be entered is answered with: the four lines of the usage
// message, with carriage returns as line breaks.
QString UsageMessageText();

} // namespace tamsoret
