#include "platform/SettingsStore.h"

#include "platform/SaveFileFailure.h"

#include "platform/Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>

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
    return QCoreApplication::translate("SettingsStore",
                                       "The settings file could not be written (is the disk full?).");
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

std::optional<Failure> QtSettingsStore::ReadProblem(const QString &appName)
{
    // QSettings answers every value of a store it may not open with the default, and
    // says so only in its status.
    QSettings settings(QStringLiteral("Tamsoret"), appName);
    if (settings.status() != QSettings::AccessError)
        return std::nullopt;
    QFile file(settings.fileName());
    if (!file.exists() || file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Failure(QCoreApplication::translate(
                       "SettingsStore", "The stored options cannot be read; the defaults are used."),
                   settings.fileName(), file.errorString());
}

void QtSettingsStore::SaveSetting(const QString &appName, const QString &section,
                                  const QString &key, const QString &text)
{
    SaveSettings(appName, section, {{key, text}});
}

void QtSettingsStore::SaveSettings(const QString &appName, const QString &section,
                                   const QList<std::pair<QString, QString>> &values)
{
    QString fileName;
    {
        QSettings settings(QStringLiteral("Tamsoret"), appName);
        fileName = settings.fileName();
    }
    const QString what = QCoreApplication::translate("SettingsStore", "Cannot save the options");

    // QSettings writes its file without checking that the data reached the disk: on a full
    // disk it has been seen to replace the store with an empty file and report success.
    // So QSettings only drafts the new file, from a copy of the old one in a scratch
    // folder, and the draft replaces the store through a save file checked at every step.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw Failure(what, fileName,
                      QCoreApplication::translate("SettingsStore",
                                                  "No scratch folder for the new options: %1")
                          .arg(scratch.errorString()));
    const QString draftName = scratch.filePath(QStringLiteral("draft.conf"));
    if (QFile::exists(fileName)) {
        QFile old(fileName);
        if (!old.copy(draftName))
            throw Failure(what, fileName, old.errorString());
    }
    {
        QSettings draft(draftName, QSettings::IniFormat);
        draft.beginGroup(section);
        for (const auto &[key, text] : values)
            draft.setValue(key, text);
        draft.endGroup();
        draft.sync();
        // A format error only says the old file held lines QSettings could not read.
        if (draft.status() == QSettings::AccessError)
            throw Failure(what, fileName,
                          QCoreApplication::translate("SettingsStore",
                                                      "The new options could not be drafted in %1.")
                              .arg(scratch.path()));
    }
    QFile draftFile(draftName);
    if (!draftFile.open(QIODevice::ReadOnly))
        throw Failure(what, fileName, draftFile.errorString());
    const QByteArray bytes = draftFile.readAll();

    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        throw Failure(what, fileName, WriteFailureReason(fileName));
    QSaveFile file(fileName);
    auto fail = [&] {
        const int error = errno;
        throw Failure(what, fileName, CancelWriting(file, error));
    };
    if (!file.open(QIODevice::WriteOnly))
        fail();
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        fail();
    if (!file.commit())
        fail();
    if (QFileInfo(fileName).size() != bytes.size())
        throw Failure(what, fileName, WriteFailureReason(fileName));
}

} // namespace tamsoret
