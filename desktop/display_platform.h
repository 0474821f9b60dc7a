#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

// The Qt platform plugin the program asks for before its application object exists, or an
// empty array to leave the choice to Qt.
//
// The window centres itself and hides itself to the tray when minimised: both need a desktop
// that lets a program see and set its window's place and state. A native Wayland session gives
// neither, so in a Wayland session that runs XWayland the program asks for X11 ("xcb"), unless
// the user chose a platform themselves (QT_QPA_PLATFORM or -platform).
QByteArray preferredDisplayPlatform(const QProcessEnvironment &environment,
                                    const QStringList &arguments);
