#pragma once

#include <QString>

namespace tamsoret {

// Whether the window system the window would open on answers. Qt ends the program with a
// core dump when its platform cannot connect, so this is asked before any QGuiApplication.
struct DisplayChoice
{
    bool reachable = false;
    // The platform to load when the environment names none, so that Qt takes the one that
    // was found to answer; empty to leave Qt's own choice.
    QByteArray platform;
    // What was tried and did not answer, for the message: "the X display ":97"".
    QString tried;
};

// Follows Qt's order: QT_QPA_PLATFORM when set (each of its ";"-separated names),
// otherwise Wayland when WAYLAND_DISPLAY is set, otherwise X11 when DISPLAY is set.
DisplayChoice ProbeDisplay();

} // namespace tamsoret
