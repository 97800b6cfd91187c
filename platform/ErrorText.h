#pragma once

#include <QString>

namespace tamsoret {

// The system's text for an error number in English ("Permission denied"), whatever the
// language of the session: it goes into listings, which are English in every output.
QString EnglishErrorText(int error);

} // namespace tamsoret
