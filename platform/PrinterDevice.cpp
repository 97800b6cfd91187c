#include "platform/PrinterDevice.h"

#include "platform/Failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <cerrno>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace tamsoret {

namespace {

// Functions, not constants: the texts are translated when they are needed, once the
// catalogue is installed.
QString PrintFailure()
{
    return QCoreApplication::translate("PrinterDevice", "Cannot print the listing");
}

QString NoPrinter()
{
    // The box's caption as the main window shows it, without its access key.
    const QString box = QCoreApplication::translate("tamsoret::frmMain", "&To file").remove(u'&');
    return QCoreApplication::translate("PrinterDevice",
                                       "No default printer is installed.\rTo save the same page "
                                       "as a PDF file instead, tick \"%1\" and choose a name "
                                       "ending in .pdf.")
        .arg(box);
}

const char *Option(const cups_dest_t *dest, const char *name)
{
    return cupsGetOption(name, dest->num_options, dest->options);
}

// The printer's own words on its state ("Paused", a reason given when it was stopped or
// set to refuse jobs), or its state keywords when it has none.
QString StateMessage(const cups_dest_t *dest)
{
    QString message;
    if (const char *uri = Option(dest, "printer-uri-supported")) {
        ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
        static const char *const wanted[] = {"printer-state-message"};
        ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 1,
                      nullptr, wanted);
        if (ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/")) {
            if (ipp_attribute_t *text =
                    ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
                message = QString::fromUtf8(ippGetString(text, 0, nullptr)).trimmed();
            ippDelete(response);
        }
    }
    const char *reasons = Option(dest, "printer-state-reasons");
    if (message.isEmpty() && reasons && qstrcmp(reasons, "none") != 0)
        message = QString::fromUtf8(reasons);
    return message;
}

QString WithMessage(const QString &sentence, const QString &message)
{
    return message.isEmpty() ? sentence + u'.' : sentence + QStringLiteral(": ") + message + u'.';
}

} // namespace

QString PrinterRefusal(const QString &printerName)
{
    // Qt names an instance of a queue "queue/instance".
    const QByteArray name = printerName.section(u'/', 0, 0).toLocal8Bit();
    const QByteArray instance = printerName.section(u'/', 1).toLocal8Bit();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return WithMessage(QCoreApplication::translate(
                               "PrinterDevice", "The printing system does not know this printer"),
                           QString::fromUtf8(cupsLastErrorString()));
    QString refusal;
    const char *accepting = Option(dest, "printer-is-accepting-jobs");
    const char *state = Option(dest, "printer-state");
    if (accepting && qstrcmp(accepting, "false") == 0)
        refusal = WithMessage(
            QCoreApplication::translate("PrinterDevice", "The printer does not accept jobs"),
            StateMessage(dest));
    else if (state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED)
        refusal =
            WithMessage(QCoreApplication::translate("PrinterDevice", "The printer is stopped"),
                        StateMessage(dest));
    cupsFreeDests(1, dest);
    return refusal;
}

QString PrintServiceSilence()
{
    const char *server = cupsServer();
    const int port = ippPort();
    // A server whose name begins with "/" is a local socket; it has no port.
    const QString where =
        server[0] == '/' ? QString::fromLocal8Bit(server)
                         : QStringLiteral("%1:%2").arg(QString::fromLocal8Bit(server)).arg(port);
    const auto silence = [&where](const QString &reason) {
        return QCoreApplication::translate("PrinterDevice",
                                           "the print service (CUPS) does not answer at %1: %2.")
            .arg(where, reason);
    };
    http_addrlist_t *addresses =
        httpAddrGetList(server, AF_UNSPEC, QByteArray::number(port).constData());
    if (!addresses) return silence(QString::fromUtf8(cupsLastErrorString()));
    // Connected by hand: CUPS's own connect loses the system's reason ("Host is down" for a
    // socket that does not exist). A few seconds each: a server that is down refuses at
    // once, one that is unreachable over the network would keep the user waiting long.
    int error = 0;
    for (http_addrlist_t *address = addresses; address; address = address->next) {
        const int socket = ::socket(httpAddrFamily(&address->addr), SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket < 0) {
            error = errno;
            continue;
        }
        const timeval wait{5, 0};
        setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
        const bool connected =
            ::connect(socket, &address->addr.addr, socklen_t(httpAddrLength(&address->addr))) == 0;
        // A connection that did not come within the time ends with EINPROGRESS.
        error = connected ? 0 : errno == EINPROGRESS ? ETIMEDOUT : errno;
        ::close(socket);
        if (connected) break;
    }
    httpAddrFreeList(addresses);
    return error == 0 ? QString() : silence(qt_error_string(error));
}

bool HasDefaultPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString DefaultPrinterName()
{
    return QPrinterInfo::defaultPrinter().printerName();
}

namespace {

QPrinterInfo DefaultPrinterInfo()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw Failure(PrintFailure(), QString(), NoPrinter());
    return info;
}

QPrinterInfo NamedPrinterInfo(const QString &queue)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    if (queue.isEmpty() || info.isNull())
        throw Failure(PrintFailure(), queue,
                      QCoreApplication::translate(
                          "PrinterDevice", "The printing system does not know this printer."));
    return info;
}

} // namespace

void CheckPrinterKnown(const QString &queue)
{
    NamedPrinterInfo(queue);
}

PrinterDevice::PrinterDevice() : PrinterDevice(DefaultPrinterInfo()) {}

PrinterDevice::PrinterDevice(const QString &queue) : PrinterDevice(NamedPrinterInfo(queue)) {}

PrinterDevice::PrinterDevice(const QPrinterInfo &info)
{
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer_->setDocName(QStringLiteral("Tamsoret"));
    // Qt starts every page with 10-point margins of its own, which would push the listing
    // that far inside the area the printer can print (the whole sheet on a PDF queue) and
    // shorten the page. Coordinates and the page height count from the printer's own
    // printable area.
    const QPageLayout layout = printer_->pageLayout();
    printer_->setPageMargins(layout.minimumMargins(), layout.units());
    // The pages are painted through a PDF writer of our own on the spool file: the
    // printer's engine does not check the writes that end a job, and a job cut short by a
    // full disk would be sent as if it were whole. The writer takes the printer's sheet, printable
    // area and resolution, so that the page is the one the printer would have painted.
    writer_ = std::make_unique<QPdfWriter>(&spool_);
    writer_->setTitle(printer_->docName());
    writer_->setCreator(printer_->creator());
    writer_->setResolution(printer_->resolution());
    writer_->setPageLayout(printer_->pageLayout());
}

// QFile reports a write that was cut short without the system's reason ("Unknown error"):
// the reason is taken from errno, as the failed call left it.
void PrinterDevice::SpoolFile::noteFailure(int error)
{
    if (failure_.isEmpty()) failure_ = error != 0 ? qt_error_string(error) : errorString();
}

qint64 PrinterDevice::SpoolFile::writeData(const char *data, qint64 length)
{
    errno = 0;
    const qint64 written = QTemporaryFile::writeData(data, length);
    if (written != length) noteFailure(errno);
    return written;
}

bool PrinterDevice::SpoolFile::finish()
{
    errno = 0;
    if (!flush()) noteFailure(errno);
    errno = 0;
    close();
    if (error() != QFileDevice::NoError) noteFailure(errno);
    return failure_.isEmpty();
}

QString PrinterDevice::printerName() const
{
    return printer_->printerName();
}

void PrinterDevice::fail(const QString &reason) const
{
    // Qt's engine refuses a new page once its file has failed a write: what the user needs
    // to know is the write that failed.
    const QString written = spool_.failure();
    throw Failure(PrintFailure(), printer_->printerName(),
                  written.isEmpty() ? reason
                                    : QCoreApplication::translate(
                                          "PrinterDevice", "The print job could not be written "
                                                           "whole to its spool file %1: %2.")
                                          .arg(spool_.fileName(), written));
}

void PrinterDevice::beginJob()
{
    // Told now, before anything is drawn: the printing system would take the job and hold
    // it, or refuse it, while the program reported a printed listing.
    const QString refusal = PrinterRefusal(printer_->printerName());
    if (!refusal.isEmpty()) fail(refusal);
    // Made only now: a device that only measures (the options window) leaves no file.
    spool_.setFileTemplate(QDir::tempPath() + QStringLiteral("/tamsoret-XXXXXX.job"));
    if (!spool_.open())
        fail(QCoreApplication::translate("PrinterDevice", "No spool file for the print job: %1")
                 .arg(spool_.errorString()));
}

void PrinterDevice::endJob(bool painted)
{
    if (!spool_.finish() || !painted)
        fail(QCoreApplication::translate("PrinterDevice", "The print job could not be finished."));
    submitJob();
}

void PrinterDevice::submitJob()
{
    const QString name = printer_->printerName();
    const QByteArray queue = name.section(u'/', 0, 0).toLocal8Bit();
    const QByteArray media = printer_->pageLayout().pageSize().key().toLocal8Bit();
    cups_option_t *options = nullptr;
    int optionCount = 0;
    if (!media.isEmpty())
        optionCount = cupsAddOption("media", media.constData(), optionCount, &options);
    const int job =
        cupsPrintFile(queue.constData(), QFile::encodeName(spool_.fileName()).constData(),
                      printer_->docName().toUtf8().constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    spool_.remove();
    if (job == 0)
        throw Failure(PrintFailure(), name,
                      WithMessage(QCoreApplication::translate(
                                      "PrinterDevice", "The printing system refused the job"),
                                  QString::fromUtf8(cupsLastErrorString())));
}

} // namespace tamsoret
