// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktopbus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <QVariantMap>

namespace {

QDBusConnection session()
{
    // One attempt to reach the bus per run: without one, later calls cost nothing.
    static const bool connected = QDBusConnection::sessionBus().isConnected();
    return connected ? QDBusConnection::sessionBus() : QDBusConnection(QString());
}

QDBusMessage call(const QString &service, const QString &path, const QString &interface,
                  const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

void launcherUpdate(const QVariantMap &properties)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/io/github/vantrel"), QStringLiteral("com.canonical.Unity.LauncherEntry"),
        QStringLiteral("Update"));
    signal << (QStringLiteral("application://") + DesktopBus::desktopEntry
               + QStringLiteral(".desktop"))
           << properties;
    session().send(signal);
}

// What needs a receiver: the replies to notices and inhibitions, and actions on our notices.
class Desktop : public QObject
{
    Q_OBJECT

public:
    static Desktop &instance()
    {
        static auto *desktop = new Desktop(QCoreApplication::instance());
        return *desktop;
    }

    void notify(const QString &summary, const QString &outputPath, DesktopBus::Ending ending);
    void keepAwake(bool awake);

private slots:
    void actionInvoked(uint id, const QString &action);

private:
    using QObject::QObject;
    // Runs `then` with the reply when it comes, on the event loop; nothing waits for it.
    template<typename Then> void onReply(const QDBusPendingCall &pending, Then then)
    {
        auto *watcher = new QDBusPendingCallWatcher(pending, this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [then](auto *finished) {
            then(*finished);
            finished->deleteLater();
        });
    }
    void show(const QString &outputPath);

    bool m_listening = false;
    QHash<uint, QString> m_outputs; // the output each of our notices leads to
    bool m_awake = false;           // a job runs
    bool m_asking = false;          // an inhibition request is on its way
    QDBusObjectPath m_portalRequest;
    QDBusUnixFileDescriptor m_logindLock;
};

void Desktop::notify(const QString &summary, const QString &outputPath, DesktopBus::Ending ending)
{
    QDBusConnection bus = session();
    if (!bus.isConnected())
        return;
    if (!std::exchange(m_listening, true))
        bus.connect(QString(), QStringLiteral("/org/freedesktop/Notifications"),
                    QStringLiteral("org.freedesktop.Notifications"),
                    QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    const bool success = ending == DesktopBus::Ending::Success;
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QString(DesktopBus::desktopEntry)},
        {QStringLiteral("category"),
         success ? QStringLiteral("transfer.complete") : QStringLiteral("transfer.error")},
        {QStringLiteral("urgency"),
         QVariant::fromValue<uchar>(ending == DesktopBus::Ending::Error ? 2 : 1)}};
    QDBusMessage message =
        call(QStringLiteral("org.freedesktop.Notifications"),
             QStringLiteral("/org/freedesktop/Notifications"),
             QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The body may be read as markup; a file name is plain text.
    message << QStringLiteral("vantrel") << 0u << QStringLiteral("vantrel") << summary
            << QFileInfo(outputPath).fileName().toHtmlEscaped()
            << QStringList{QStringLiteral("default"),
                           QCoreApplication::translate("vantrel", "Show")}
            << hints << -1;
    onReply(bus.asyncCall(message), [this, outputPath](const QDBusPendingReply<uint> &reply) {
        if (!reply.isError())
            m_outputs.insert(reply.value(), outputPath);
    });
}

void Desktop::actionInvoked(uint id, const QString &action)
{
    if (action == QLatin1String("default") && m_outputs.contains(id))
        show(m_outputs.value(id));
}

// The file manager shows the output, or its folder when there is none; without a file manager
// on the bus, the folder is opened.
void Desktop::show(const QString &outputPath)
{
    const QFileInfo output(outputPath);
    const bool exists = output.exists();
    QDBusMessage message =
        call(QStringLiteral("org.freedesktop.FileManager1"),
             QStringLiteral("/org/freedesktop/FileManager1"),
             QStringLiteral("org.freedesktop.FileManager1"),
             exists ? QStringLiteral("ShowItems") : QStringLiteral("ShowFolders"));
    const QUrl folder = QUrl::fromLocalFile(output.absolutePath());
    message << QStringList(
        (exists ? QUrl::fromLocalFile(output.absoluteFilePath()) : folder).toString())
            << QString();
    onReply(session().asyncCall(message), [folder](const QDBusPendingCall &reply) {
        if (reply.isError())
            QDesktopServices::openUrl(folder);
    });
}

void Desktop::keepAwake(bool awake)
{
    m_awake = awake;
    if (!awake) {
        if (!m_portalRequest.path().isEmpty())
            session().send(
                call(QStringLiteral("org.freedesktop.portal.Desktop"), m_portalRequest.path(),
                     QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close")));
        m_portalRequest = QDBusObjectPath();
        m_logindLock = QDBusUnixFileDescriptor(); // closing it ends logind's inhibition
        return;
    }
    if (m_asking || !m_portalRequest.path().isEmpty() || m_logindLock.isValid())
        return;
    m_asking = true;
    const QString reason = QCoreApplication::translate("vantrel", "Converting a video");
    QDBusMessage portal =
        call(QStringLiteral("org.freedesktop.portal.Desktop"),
             QStringLiteral("/org/freedesktop/portal/desktop"),
             QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    portal << QString() << 4u /* suspend */ << QVariantMap{{QStringLiteral("reason"), reason}};
    onReply(session().asyncCall(portal),
            [this, reason](const QDBusPendingReply<QDBusObjectPath> &reply) {
                if (!reply.isError()) {
                    m_asking = false;
                    m_portalRequest = reply.value();
                    keepAwake(m_awake); // the job may have ended meanwhile
                    return;
                }
                QDBusMessage logind = call(QStringLiteral("org.freedesktop.login1"),
                                           QStringLiteral("/org/freedesktop/login1"),
                                           QStringLiteral("org.freedesktop.login1.Manager"),
                                           QStringLiteral("Inhibit"));
                logind << QStringLiteral("sleep") << QStringLiteral("vantrel") << reason
                       << QStringLiteral("block");
                onReply(QDBusConnection::systemBus().asyncCall(logind),
                        [this](const QDBusPendingReply<QDBusUnixFileDescriptor> &reply) {
                            m_asking = false;
                            if (!reply.isError() && m_awake)
                                m_logindLock = reply.value();
                        });
            });
}

} // namespace

namespace DesktopBus {

void notify(const QString &summary, const QString &outputPath, Ending ending)
{
    Desktop::instance().notify(summary, outputPath, ending);
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

void keepAwake(bool awake)
{
    Desktop::instance().keepAwake(awake);
}

} // namespace DesktopBus

#include "desktopbus.moc"
