// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktopbus.h"
#include "vantrel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    // Lets docks and Wayland compositors match the window to vantrel.desktop and its icon.
    QGuiApplication::setDesktopFileName(DesktopBus::desktopEntry);
    // Lives until the process ends; closing the only window ends the event loop.
    auto *dialog = new vantrel;
    dialog->show();
    return app.exec();
}
