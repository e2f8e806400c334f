#pragma once

#include <QComboBox>
#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

class vantrel;

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
// presses the `answer` button.
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
        int defaultButton = 0;
    };

    explicit MessageBoxWatcher(QObject *parent = nullptr);
    QList<Seen> seen;
    std::function<void()> onSeen; // runs while the box is still open
    int answer = 0x400;           // the button pressed (QMessageBox::Ok); 0 presses Escape

private:
    QTimer m_poll;
};

bool processExists(qint64 pid);

// A dialog whose start-up check always passes (so no box opens) and whose stopped encoder is
// killed after a short grace period.
std::unique_ptr<vantrel> makeDialog(const QString &checkPath = QString());

// A user's pick in the open list of a combo box: the item, confirmed with Return.
void pickByUser(QComboBox *box, int index);

// How the dialog reports the end of a job.
namespace Status {
inline const QString finished = QStringLiteral("Konvertierung beendet!");
inline const QString stopped = QStringLiteral("Konvertierung ABGEBROCHEN!!!");
inline const QString crashed = QStringLiteral("CONVERSION CRASHED!!!");
inline const QString failed = QStringLiteral("FEHLER beim Konvertierungsstart!!!");
inline const QString notStarted = QStringLiteral("FEHLER beim Starten der Konvertierung!!!");
bool isEnd(const QString &text);
} // namespace Status
