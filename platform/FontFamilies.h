#pragma once

#include <QString>

namespace tamsoret {

// Whether fontconfig has a font of this family, or maps the family through one of its
// aliases ("Courier New" to Liberation Mono) to a font it has. A family it knows nothing of
// would still be drawn, in whatever face it falls back to for every unknown name.
bool FontFamilyKnown(const QString &family);

} // namespace tamsoret
