// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktopbus.h"
#include "quitsignals.h"
#include "translations.h"
#include "vantrel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    // Lets docks and Wayland compositors match the window to vantrel.desktop and its icon.
    QGuiApplication::setDesktopFileName(DesktopBus::desktopEntry);
    QuitSignals::install();
    const Translations translations(QLocale::system());
    // Lives until the process ends; closing the only window ends the event loop.
    auto *dialog = new vantrel;
    // "Open with" from a file manager: the file becomes the input. Qt has taken its own options.
    if (QCoreApplication::arguments().size() > 1)
        dialog->openFile(QCoreApplication::arguments().at(1));
    dialog->show();
    return QuitSignals::exitStatus(app.exec());
}
