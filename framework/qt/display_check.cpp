#include "framework/qt/display_check.h"

#include "framework/exceptions.h"

#include <QByteArray>
#include <QDir>
#include <QLibraryInfo>
#include <xcb/xcb.h>

#include <string>

namespace fw::detail {

namespace {

// Whether this Qt can open a Wayland display: its platform plug-in is a separate package.
bool HasWaylandPlatform() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty();
}

} // namespace

void RequireDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        if (wayland.isEmpty())
            throw RuntimeException("no display: neither DISPLAY nor WAYLAND_DISPLAY is set");
        if (platform.isEmpty() && HasWaylandPlatform())
            return;
        throw RuntimeException("no display: DISPLAY is not set, and the Wayland display \"" +
                               wayland.toStdString() + "\" cannot be used here");
    }
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!opened)
        throw RuntimeException("cannot open display \"" + display.toStdString() + "\"");
}

} // namespace fw::detail
