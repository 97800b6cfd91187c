#pragma once

#include <QString>

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
};

} // namespace tamsoret
