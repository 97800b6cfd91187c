#pragma once

#include <QString>
#include <functional>

namespace tamsoret {

// Measures a text's width in the folder label's font.
using TextMeasure = std::function<double(const QString &)>;

// The path shortened to fit a label of labelWidth: names after the root "/" replaced by
// ".../" one at a time until the text is narrower than the label; the last name stays.
QString KorteFileName(const QString &path, const TextMeasure &measure,
                      const std::function<double()> &labelWidth);

} // namespace tamsoret
