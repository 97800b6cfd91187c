#pragma once

#include "platform/Failure.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace tamsoret {

// The per-user settings store: text values grouped by application and section.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultText when the value does not exist.
    virtual QString GetSetting(const QString &appName, const QString &section, const QString &key,
                               const QString &defaultText) = 0;
    // Throws Failure when the value cannot be written.
    virtual void SaveSetting(const QString &appName, const QString &section, const QString &key,
                             const QString &text) = 0;
    // Why the store cannot be read at all although it exists (it may not be opened), or
    // nothing when its values can be read or there are none.
    virtual std::optional<Failure> ReadProblem(const QString &appName)
    {
        Q_UNUSED(appName);
        return std::nullopt;
    }
    // Writes several values as one change: all of them or, with a Failure, none. This one
    // writes them one at a time; a store that can do better overrides it.
    virtual void SaveSettings(const QString &appName, const QString &section,
                              const QList<std::pair<QString, QString>> &values)
    {
        for (const auto &[key, text] : values)
            SaveSetting(appName, section, key, text);
    }
};

// The store as a QSettings file: organization "Tamsoret", application appName, so
// $XDG_CONFIG_HOME/Tamsoret/<appName>.conf on Linux. Values are read and written as strings.
class QtSettingsStore : public SettingsStore
{
public:
    QString GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultText) override;
    void SaveSetting(const QString &appName, const QString &section, const QString &key,
                     const QString &text) override;
    std::optional<Failure> ReadProblem(const QString &appName) override;
    // The file replaced as a whole, or not at all.
    void SaveSettings(const QString &appName, const QString &section,
                      const QList<std::pair<QString, QString>> &values) override;
};

} // namespace tamsoret
