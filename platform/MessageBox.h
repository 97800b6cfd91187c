#pragma once

#include <QString>

class QWidget;

namespace tamsoret {

enum class MessageIcon { None, Warning, Critical, Information };

// Message boxes with one OK button. Carriage returns in the text are shown as line breaks.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void show(QWidget *owner, const QString &title, const QString &text,
                      MessageIcon icon) = 0;
};

class QtMessageBox : public MessageBox
{
public:
    void show(QWidget *owner, const QString &title, const QString &text,
              MessageIcon icon) override;
};

// The displayed form of a message text: every carriage return (with or without a
// following line feed) becomes one line break.
QString MessageDisplayText(const QString &text);

} // namespace tamsoret
