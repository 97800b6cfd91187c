#pragma once

// Test doubles for the platform services that cannot run or cannot be observed in a test:
// the printer, the dialogs, the message boxes and the settings store.

#include "options/ListOptions.h"
#include "platform/CommonDialog.h"
#include "platform/Failure.h"
#include "platform/MessageBox.h"
#include "platform/PageSurface.h"
#include "platform/SettingsStore.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace tamsoret::test {

// Every call a recording surface received, in order, as text: "font:Arial", "size:12",
// "unit:mm", "x:20", "y:25", "width:ooo", "print:text", "println:text", "newPage", "endJob".
struct SurfaceLog {
    QStringList calls;

    qsizetype count(const QString &prefix) const
    {
        qsizetype n = 0;
        for (const QString &c : calls)
            n += c.startsWith(prefix) ? 1 : 0;
        return n;
    }
};

// A page with a fixed printable area whose characters all have the same width, scaled
// with the font size (charWidthAt10 millimetres at 10 points).
class RecordingSurface : public PageSurface
{
public:
    RecordingSurface(SurfaceLog &log, double printableWidth, double pageHeight,
                     double charWidthAt10, double lineHeight = 5.0)
        : log_(log), printableWidth_(printableWidth), pageHeight_(pageHeight),
          charWidthAt10_(charWidthAt10), lineHeight_(lineHeight)
    {
    }

    void setFontName(const QString &name) override { log_.calls << QStringLiteral("font:") + name; }
    void setFontSize(float points) override
    {
        size_ = points;
        log_.calls << QStringLiteral("size:") + QString::number(points);
    }
    void setUnitMillimetres() override { log_.calls << QStringLiteral("unit:mm"); }
    void setX(double x) override
    {
        x_ = x;
        log_.calls << QStringLiteral("x:") + QString::number(x);
    }
    void setY(double y) override
    {
        y_ = y;
        log_.calls << QStringLiteral("y:") + QString::number(y);
    }
    double y() const override { return y_; }
    double pageHeight() const override { return pageHeight_; }
    double printableWidth() const override { return printableWidth_; }
    double textWidth(const QString &text) const override
    {
        log_.calls << QStringLiteral("width:") + text;
        return widthOf(text);
    }
    void print(const QString &text, bool endLine) override
    {
        log_.calls << (endLine ? QStringLiteral("println:") : QStringLiteral("print:")) + text;
        x_ += widthOf(text);
        if (endLine) {
            y_ += lineHeight_;
            x_ = 0;
        }
    }
    void newPage() override { log_.calls << QStringLiteral("newPage"); }
    void endJob() override { log_.calls << QStringLiteral("endJob"); }

    double widthOf(const QString &text) const
    {
        return static_cast<double>(text.size()) * charWidthAt10_ * size_ / 10.0;
    }

private:
    SurfaceLog &log_;
    double printableWidth_;
    double pageHeight_;
    double charWidthAt10_;
    double lineHeight_;
    float size_ = 10.0f;
    double x_ = 0;
    double y_ = 0;
};

// Hands out recording surfaces that all write to one log, or fails like a system
// without a default printer.
class FakePrinterProvider : public PrinterProvider
{
public:
    bool available = true;
    double printableWidth = 190.0;
    double pageHeight = 277.0;
    double charWidthAt10 = 2.0;
    int opened = 0;
    SurfaceLog log;

    std::unique_ptr<PageSurface> defaultPrinter() override
    {
        ++opened;
        if (!available)
            throw Failure(QStringLiteral("Cannot print the listing"), QString(),
                          QStringLiteral("No default printer is installed."));
        return std::make_unique<RecordingSurface>(log, printableWidth, pageHeight, charWidthAt10);
    }
    // The PDF file's page: a sheet of A4 without edges, or none when pdfPaper is empty.
    QString pdfPaper = QStringLiteral("A4");
    MeasuringPage pdfPage() override
    {
        if (pdfPaper.isEmpty()) return {};
        return {std::make_unique<RecordingSurface>(log, 210.0, 297.0, charWidthAt10), pdfPaper};
    }
};

// Dialogs that answer with what the test chose; nothing (the default) means cancel.
class FakeDialogs : public DialogService
{
public:
    std::optional<QString> file;
    std::optional<ListingFont> font;
    int chosenType = 0;
    int saveCalls = 0;
    int fontCalls = 0;
    ListingFont fontShownWith;

    std::optional<QString> saveFileName(QWidget *, const QString &, const QString &,
                                        int &typeIndex) override
    {
        ++saveCalls;
        if (file) typeIndex = chosenType;
        return file;
    }
    std::optional<ListingFont> chooseFont(QWidget *, const ListingFont &current) override
    {
        ++fontCalls;
        fontShownWith = current;
        return font;
    }
};

class RecordingMessageBox : public MessageBox
{
public:
    struct Shown {
        QString title;
        QString text;
        MessageIcon icon;
    };
    QList<Shown> shown;

    void show(QWidget *, const QString &title, const QString &text, MessageIcon icon) override
    {
        shown.append({title, text, icon});
    }
};

// The settings store as a map from "application/section/key" to text; it can be made to
// refuse every write the way a read-only store does.
class MemorySettingsStore : public SettingsStore
{
public:
    QMap<QString, QString> values;
    bool refuseWrites = false;
    int writes = 0;

    static QString path(const QString &appName, const QString &section, const QString &key)
    {
        return appName + u'/' + section + u'/' + key;
    }

    QString GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultText) override
    {
        return values.value(path(appName, section, key), defaultText);
    }
    void SaveSetting(const QString &appName, const QString &section, const QString &key,
                     const QString &text) override
    {
        if (refuseWrites)
            throw Failure(QStringLiteral("Cannot save the settings"), appName,
                          QStringLiteral("The store is read-only."));
        ++writes;
        values.insert(path(appName, section, key), text);
    }
};

} // namespace tamsoret::test
