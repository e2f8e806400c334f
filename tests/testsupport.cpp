#include "testsupport.h"

#include "vantrel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <csignal>

FakeEncoder::FakeEncoder()
    : m_oldPath(qgetenv("PATH"))
{
    qputenv("PATH", QByteArray(FAKE_FFMPEG_DIR) + ':' + m_oldPath);
    qputenv("FAKE_FFMPEG_ARGS", QFile::encodeName(path("args")));
    setScript(QString());
}

FakeEncoder::~FakeEncoder()
{
    qputenv("PATH", m_oldPath);
    qunsetenv("FAKE_FFMPEG_SCRIPT");
    qunsetenv("FAKE_FFMPEG_ARGS");
}

void FakeEncoder::setScript(const QString &script)
{
    QFile file(path("script"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(script.toUtf8());
    qputenv("FAKE_FFMPEG_SCRIPT", QFile::encodeName(file.fileName()));
}

QStringList FakeEncoder::receivedArguments() const
{
    QFile file(path("args"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(u'\n');
    lines.removeLast();
    return lines;
}

qint64 FakeEncoder::pid() const
{
    QFile file(path("pid"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().trimmed().toLongLong();
}

PathOverride::PathOverride(const QByteArray &path)
    : m_old(qgetenv("PATH"))
{
    qputenv("PATH", path);
}

PathOverride::~PathOverride()
{
    qputenv("PATH", m_old);
}

MessageBoxWatcher::MessageBoxWatcher(QObject *parent)
    : QObject(parent)
{
    m_poll.setInterval(10);
    connect(&m_poll, &QTimer::timeout, this, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.append({box->windowTitle(), box->text(), box->detailedText(), int(box->icon()),
                     int(box->standardButtons()), box->font().pointSize(),
                     int(box->standardButton(box->defaultButton()))});
        if (onSeen)
            onSeen();
        if (QAbstractButton *button = box->button(QMessageBox::StandardButton(answer)))
            button->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
    m_poll.start();
}

bool processExists(qint64 pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0;
}

std::unique_ptr<vantrel> makeDialog(const QString &checkPath)
{
    auto dialog = std::make_unique<vantrel>();
    dialog->setEncoderCheckPath(checkPath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                    : checkPath);
    dialog->setStopGracePeriod(std::chrono::milliseconds(300));
    return dialog;
}

void pickByUser(QComboBox *box, int index)
{
    QSignalSpy activated(box, &QComboBox::activated);
    box->showPopup();
    QTRY_VERIFY(box->view()->isVisible());
    box->view()->setCurrentIndex(box->model()->index(index, 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(box->currentIndex(), index);
}

bool Status::isEnd(const QString &text)
{
    return text == finished || text == stopped || text == crashed || text == failed
        || text == notStarted;
}
