// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktopbus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace DesktopBus {

namespace {

void send(const QDBusMessage &message)
{
    // One attempt to reach the bus per run: without one, later calls cost nothing.
    static const bool connected = QDBusConnection::sessionBus().isConnected();
    if (!connected)
        return;
    // Sent without waiting: the reply, or the error of a missing service, is dropped.
    QDBusConnection::sessionBus().send(message);
}

void launcherUpdate(const QVariantMap &properties)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/io/github/vantrel"), QStringLiteral("com.canonical.Unity.LauncherEntry"),
        QStringLiteral("Update"));
    signal << (QStringLiteral("application://") + desktopEntry + QStringLiteral(".desktop"))
           << properties;
    send(signal);
}

} // namespace

void notify(const QString &summary, const QString &body)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The body may be read as markup; a file name is plain text.
    call << QStringLiteral("vantrel") << 0u << QStringLiteral("vantrel") << summary
         << body.toHtmlEscaped() << QStringList() << QVariantMap() << -1;
    send(call);
}

void showProgress(double progress)
{
    launcherUpdate(
        {{QStringLiteral("progress"), progress}, {QStringLiteral("progress-visible"), true}});
}

void hideProgress()
{
    launcherUpdate({{QStringLiteral("progress-visible"), false}});
}

} // namespace DesktopBus
