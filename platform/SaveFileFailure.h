#pragma once

#include <QString>

class QSaveFile;

namespace tamsoret {

// Gives up a write through file, so that an existing file of its name stays as it was,
// and words why it failed: the file's own error text or, where it has none (a write that
// fails on a full disk leaves it unset), that of the system's error number error, which
// the caller saves right after the failing call.
QString CancelWriting(QSaveFile &file, int error);

} // namespace tamsoret
