#include "platform/SaveFileFailure.h"

#include <QFile>
#include <QSaveFile>

namespace tamsoret {

QString CancelWriting(QSaveFile &file, int error)
{
    QString reason = file.errorString();
    if (reason == QFile().errorString() && error != 0) reason = qt_error_string(error);
    file.cancelWriting();
    return reason;
}

} // namespace tamsoret
