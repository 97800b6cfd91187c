#include "options/Settings.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>

namespace tamsoret {

namespace {

// One stored value: its name, how its text becomes options (false when it cannot) and how
// options become its text. The text used when it is absent is that of the defaults of
// ListOptions and ListingFont.
struct StoredValue
{
    QStringView name;
    bool (*read)(const QString &text, ListOptions &options, ListingFont &font);
    QString (*write)(const ListOptions &options, const ListingFont &font);

    QString defaultText() const { return write(ListOptions(), ListingFont()); }
};

template <qint16 ListOptions::*Member>
bool ReadInt16(const QString &text, ListOptions &options, ListingFont &)
{
    const std::optional<qint16> value = RoundToInt16(LeadingNumber(text));
    if (!value) return false;
    options.*Member = *value;
    return true;
}

template <qint16 ListOptions::*Member>
QString WriteInt16(const ListOptions &options, const ListingFont &)
{
    return QString::number(options.*Member);
}

bool ReadShow(const QString &text, ListOptions &options, ListingFont &)
{
    if (text.size() < 5) return false;
    bool shown[5];
    for (int i = 0; i < 5; ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9') return false;
        shown[i] = c != u'0';
    }
    options.ShowName = shown[0];
    options.ShowDOS = shown[1];
    options.ShowSize = shown[2];
    options.ShowTime = shown[3];
    options.ShowAttr = shown[4];
    return true;
}

QString WriteShow(const ListOptions &options, const ListingFont &)
{
    QString text;
    for (bool shown :
         {options.ShowName, options.ShowDOS, options.ShowSize, options.ShowTime, options.ShowAttr})
        text += shown ? u'1' : u'0';
    return text;
}

// "True" or "False" in any letter case, or a number, where only 0 is false.
bool ReadOrderAZ(const QString &text, ListOptions &options, ListingFont &)
{
    const QString word = text.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0) {
        options.OrderAZ = true;
        return true;
    }
    if (word.compare(u"False", Qt::CaseInsensitive) == 0) {
        options.OrderAZ = false;
        return true;
    }
    bool ok = false;
    const double number = QLocale::c().toDouble(word, &ok);
    if (!ok || !std::isfinite(number)) return false;
    options.OrderAZ = number != 0;
    return true;
}

const std::array<StoredValue, 8> StoredValues = {{
    {u"FontName",
     [](const QString &text, ListOptions &, ListingFont &font) {
         font.name = text;
         return true;
     },
     [](const ListOptions &, const ListingFont &font) { return font.name; }},
    {u"FontSize",
     [](const QString &text, ListOptions &, ListingFont &font) {
         // A size beyond the range of a float has no font to go with it.
         const float size = float(LeadingNumber(text));
         if (!std::isfinite(size)) return false;
         font.size = size;
         return true;
     },
     [](const ListOptions &, const ListingFont &font) { return PointSizeText(font.size); }},
    {u"Show", ReadShow, WriteShow},
    {u"OrderBy", ReadInt16<&ListOptions::OrderBy>, WriteInt16<&ListOptions::OrderBy>},
    {u"OrderAZ", ReadOrderAZ,
     [](const ListOptions &options, const ListingFont &) {
         return options.OrderAZ ? QStringLiteral("True") : QStringLiteral("False");
     }},
    {u"MarginLeft", ReadInt16<&ListOptions::MarginLeft>, WriteInt16<&ListOptions::MarginLeft>},
    {u"MarginTop", ReadInt16<&ListOptions::MarginTop>, WriteInt16<&ListOptions::MarginTop>},
    {u"MarginBottom", ReadInt16<&ListOptions::MarginBottom>,
     WriteInt16<&ListOptions::MarginBottom>},
}};

} // namespace

QStringList LoadSettings(SettingsStore &store, ListOptions &options, ListingFont &font)
{
    QStringList messages;
    if (const std::optional<Failure> problem = store.ReadProblem(SettingsAppName))
        messages << problem->message();
    for (const StoredValue &value : StoredValues) {
        const QString name = value.name.toString();
        const QString defaultText = value.defaultText();
        const QString text = store.GetSetting(SettingsAppName, SettingsSection, name, defaultText);
        if (value.read(text, options, font)) continue;
        // A value that cannot be converted must not lock the user out at every start:
        // its default stands in until the options are next confirmed.
        value.read(defaultText, options, font);
        messages << QCoreApplication::translate("Settings",
                                                "The stored option %1 (\"%2\") cannot be read; "
                                                "its default \"%3\" is used.")
                        .arg(name, text, defaultText);
    }
    return messages;
}

void SaveSettings(SettingsStore &store, const ListOptions &options, const ListingFont &font)
{
    // One change: a store left with some values new and others old would hold options the
    // user never confirmed together.
    QList<std::pair<QString, QString>> values;
    for (const StoredValue &value : StoredValues)
        values.append({value.name.toString(), value.write(options, font)});
    store.SaveSettings(SettingsAppName, SettingsSection, values);
}

} // namespace tamsoret
