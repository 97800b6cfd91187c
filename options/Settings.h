#pragma once

#include "options/ListOptions.h"
#include "platform/SettingsStore.h"

#include <QString>
#include <QStringList>

namespace tamsoret {

inline const QString SettingsAppName = QStringLiteral("Tamsoret 2.0");
inline const QString SettingsSection = QStringLiteral("Settings");

// Reads the eight stored values into options and font. A value that is present but
// cannot be converted keeps its default; the returned list holds one message per such
// value, naming it, after one for a store that cannot be read at all (empty when all
// was well).
QStringList LoadSettings(SettingsStore &store, ListOptions &options, ListingFont &font);

// Writes the eight values. Throws Failure when the store cannot be written.
void SaveSettings(SettingsStore &store, const ListOptions &options, const ListingFont &font);

} // namespace tamsoret
