#pragma once

#include <QString>

namespace tamsoret {

// The listing font, held by the main window's dialog component. A plain value that the
// options, the dialogs and the printer all pass around.
struct ListingFont {
    QString name = QStringLiteral("Courier New");
    float size = 10.0f;
};

} // namespace tamsoret
