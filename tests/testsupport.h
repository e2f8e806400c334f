#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

// Puts the fake encoder first on PATH for the lifetime of the object, with a script of
// commands (see helpers/fakeffmpeg.cpp). Restores the environment afterwards.
class FakeEncoder
{
public:
    FakeEncoder();
    ~FakeEncoder();
    FakeEncoder(const FakeEncoder &) = delete;
    FakeEncoder &operator=(const FakeEncoder &) = delete;

    void setScript(const QString &script);
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList receivedArguments() const;
    qint64 pid() const; // from a "pidfile" command written to path("pid")

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

// Replaces PATH for the lifetime of the object.
class PathOverride
{
public:
    explicit PathOverride(const QByteArray &path);
    ~PathOverride();

private:
    QByteArray m_old;
};

// Answers every modal message box that opens while it lives: records what it showed and
// presses its Ok button.
class MessageBoxWatcher : public QObject
{
    Q_OBJECT
public:
    struct Seen
    {
        QString title;
        QString text;
        QString details;
        int icon = 0;
        int buttons = 0;
        int pointSize = 0;
    };

    explicit MessageBoxWatcher(QObject *parent = nullptr);
    QList<Seen> seen;
    std::function<void()> onSeen; // runs while the box is still open

private:
    QTimer m_poll;
};

bool processExists(qint64 pid);
