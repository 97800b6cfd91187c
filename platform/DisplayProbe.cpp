#include "platform/DisplayProbe.h"

#include "platform/QtTranslations.h"

#include <QFileInfo>
#include <QLibraryInfo>

#include <dlfcn.h>
#include <xcb/xcb.h>

namespace tamsoret {

namespace {

QString Named(const char *variable)
{
    return QString::fromLocal8Bit(qgetenv(variable));
}

bool XAnswers()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// The Wayland client library is loaded only to ask: the program does not need it when the
// desktop has none, and Qt's Wayland platform, which does, brings it.
bool WaylandAnswers()
{
    void *library = dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    using Connect = void *(*)(const char *);
    using Disconnect = void (*)(void *);
    const auto connect = reinterpret_cast<Connect>(dlsym(library, "wl_display_connect"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(library, "wl_display_disconnect"));
    bool answers = false;
    if (connect && disconnect) {
        if (void *display = connect(nullptr)) {
            disconnect(display);
            answers = true;
        }
    }
    dlclose(library);
    return answers;
}

bool WaylandPlatformInstalled()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/");
    return QFileInfo::exists(folder + QStringLiteral("libqwayland-generic.so")) ||
           QFileInfo::exists(folder + QStringLiteral("libqwayland-egl.so"));
}

} // namespace

DisplayChoice ProbeDisplay()
{
    DisplayChoice choice;
    QStringList tried;
    const QByteArray named = qgetenv("QT_QPA_PLATFORM");
    QList<QByteArray> platforms;
    if (!named.isEmpty()) {
        for (const QByteArray &item : named.split(';'))
            platforms << item.left(item.indexOf(':') < 0 ? item.size() : item.indexOf(':')).trimmed();
    } else {
        if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && WaylandPlatformInstalled())
            platforms << "wayland";
        if (qEnvironmentVariableIsSet("DISPLAY")) platforms << "xcb";
    }
    for (const QByteArray &platform : platforms) {
        bool answers = true;
        if (platform == "xcb") {
            answers = XAnswers();
            if (!answers)
                tried << ProgramText::translate("DisplayProbe", "the X display \"%1\"")
                             .arg(Named("DISPLAY"));
        } else if (platform.startsWith("wayland")) {
            answers = WaylandAnswers();
            if (!answers)
                tried << ProgramText::translate("DisplayProbe", "the Wayland display \"%1\"")
                             .arg(Named("WAYLAND_DISPLAY"));
        }
        if (answers) {
            choice.reachable = true;
            if (named.isEmpty()) choice.platform = platform;
            return choice;
        }
    }
    if (tried.isEmpty() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        tried << ProgramText::translate("DisplayProbe",
                                        "the Wayland display \"%1\", for which Qt's Wayland "
                                        "platform is not installed")
                     .arg(Named("WAYLAND_DISPLAY"));
    choice.tried = tried.join(ProgramText::translate("DisplayProbe", " and "));
    return choice;
}

} // namespace tamsoret
