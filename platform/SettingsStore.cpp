#include "platform/SettingsStore.h"

#include "platform/Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace tamsoret {

namespace {

// Only the user's own file: fallbacks would let an organisation-wide or system-wide file
// answer for a value the user never stored.
void OpenStore(QSettings &settings, const QString &section)
{
    settings.setFallbacksEnabled(false);
    settings.beginGroup(section);
}

// QSettings tells only that writing failed; the system's reason is found by trying the
// same access once more.
QString WriteFailureReason(const QString &fileName)
{
    QFile file(fileName);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return file.errorString();
    }
    QString folder = QFileInfo(fileName).absolutePath();
    if (QFileInfo::exists(folder)) {
        QTemporaryFile probe(folder + QStringLiteral("/probe-XXXXXX"));
        if (!probe.open()) return probe.errorString();
    } else {
        // The folder could not be made: ask the nearest one that exists.
        while (!QFileInfo::exists(folder) && folder != QFileInfo(folder).path())
            folder = QFileInfo(folder).path();
        QTemporaryDir probe(folder + QStringLiteral("/probe-XXXXXX"));
        if (!probe.isValid()) return probe.errorString();
    }
    return QStringLiteral("The settings file could not be written (is the disk full?).");
}

} // namespace

QString QtSettingsStore::GetSetting(const QString &appName, const QString &section,
                                    const QString &key, const QString &defaultText)
{
    QSettings settings(QStringLiteral("Tamsoret"), appName);
    OpenStore(settings, section);
    if (!settings.contains(key)) return defaultText;
    const QVariant value = settings.value(key);
    // A hand-edited value with unquoted commas comes back as a list.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void QtSettingsStore::SaveSetting(const QString &appName, const QString &section,
                                  const QString &key, const QString &text)
{
    QSettings settings(QStringLiteral("Tamsoret"), appName);
    OpenStore(settings, section);
    settings.setValue(key, text);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Failure(QStringLiteral("Cannot save the options"), settings.fileName(),
                      WriteFailureReason(settings.fileName()));
}

} // namespace tamsoret
