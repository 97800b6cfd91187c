#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace tamsoret {

// The file a listing is written to, opened the same way for every writer (text, PDF):
// - a new name, or an existing regular file, gets a temporary file in the same folder that
//   takes the name by a rename once everything is written; it carries the old file's
//   owner, group and mode, and a failure leaves the old file as it was;
// - a regular file that a rename would change beyond its content (a second hard link, an
//   owner or group the user cannot give back, an access ACL, a folder the user cannot
//   write) is truncated and written in place; a failure then says that it may be incomplete;
// - a character device or a FIFO is written into, as a shell's ">" does (a FIFO waits for
//   its reader);
// - a block device, a socket or a folder is refused.
// A symbolic link is followed to the file it points to, to which the same rules apply.
//
// Writes are buffered; the first one that fails is remembered, later ones are refused, and
// commit() or fail() report it. Every failure is a Failure naming the file and the system's
// reason. An object that is destroyed without commit() gives up as cancel() does.
class OutputTarget : public QIODevice
{
public:
    // Opens the file for writing. Throws Failure.
    explicit OutputTarget(const QString &fileName);
    ~OutputTarget() override;
    OutputTarget(const OutputTarget &) = delete;
    OutputTarget &operator=(const OutputTarget &) = delete;

    const QString &fileName() const { return fileName_; }
    // A write has failed; its reason waits for commit() or fail().
    bool failed() const { return error_ != 0; }
    // Writes out what is buffered and puts the listing in its place. Throws Failure.
    void commit();
    // Gives up: a file that was to be replaced stays as it was, the temporary file goes.
    void cancel();
    // Gives up and throws the Failure with this reason, or with that of the first failed
    // write when reason is empty.
    [[noreturn]] void fail(const QString &reason = {});

    bool isSequential() const override { return true; }

    enum class Way { Create, Replace, InPlace, Stream };

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool writeOut(const char *data, qint64 size);
    bool flushBuffer();
    void open();
    void closeAll();

    QString fileName_;
    Way way_ = Way::Create;
    int dirFd_ = -1;
    int fd_ = -1;
    QByteArray name_;     // the name in dirFd_ that gets the listing
    QByteArray tempName_; // the temporary file in dirFd_, while there is one
    QByteArray buffer_;
    int error_ = 0;
    bool done_ = false;
};

// The checks the opener makes, with the system's own reasons, but without creating,
// truncating or opening anything (a FIFO is not waited for): a name that cannot be written
// is told before a long scan. Throws the Failure the opener would throw.
void CheckOutputTarget(const QString &fileName);

} // namespace tamsoret
