// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the dialog and job tests share: the fake encoder on PATH, a hand that answers message
// boxes, and a dialog ready for tests.

#include "vantrel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>

namespace Status {
inline const QString finished = QStringLiteral("Konvertierung beendet!");
inline const QString stopped = QStringLiteral("Konvertierung ABGEBROCHEN!!!");
inline const QString crashed = QStringLiteral("CONVERSION CRASHED!!!");
inline const QString failed = QStringLiteral("FEHLER beim Konvertierungsstart!!!");
inline const QString notStarted = QStringLiteral("FEHLER beim Starten der Konvertierung!!!");
inline const QString sameFile =
    QStringLiteral("FEHLER: Ausgabedatei und Eingabedatei sind dieselbe Datei!");
inline const QString notLocal = QStringLiteral("FEHLER: Die Ausgabe muss eine lokale Datei sein!");
inline const QString noOutput = QStringLiteral("FEHLER: Die Ausgabedatei fehlt oder ist leer!");
inline const QString shorter =
    QStringLiteral("Konvertierung beendet, aber die Ausgabe ist kürzer als die Eingabe!");
inline const QStringList all{finished, stopped,  crashed,  failed, notStarted,
                             sameFile, notLocal, noOutput, shorter};
} // namespace Status

// Puts the fake encoder first on PATH (or no encoder at all) while it lives. The script's
// commands are in helpers/fakeffmpeg.cpp; "@" in it stands for a folder of the fake's own.
class FakeEncoder
{
public:
    explicit FakeEncoder(const QString &script, bool onPath = true)
        : m_oldPath(qgetenv("PATH"))
    {
        qputenv("PATH", onPath ? QByteArray(FAKE_FFMPEG_DIR ":") + m_oldPath : "/nonexistent");
        qputenv("FAKE_FFMPEG_ARGS", QFile::encodeName(path("args")));
        qputenv("FAKE_FFMPEG_SCRIPT", QFile::encodeName(path("script")));
        setScript(script);
    }
    void setScript(QString script)
    {
        QFile file(path("script"));
        if (file.open(QIODevice::WriteOnly))
            file.write(script.replace("@", m_dir.path()).toUtf8());
    }
    ~FakeEncoder() { qputenv("PATH", m_oldPath); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString read(const QString &name) const // "args": one per line; "pid" after "pidfile @/pid"
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }
    qint64 pid() const { return read("pid").toLongLong(); }
    static bool runs(qint64 pid) { return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0; }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

// Answers every modal message box that opens while it lives with `answer` (Escape when the box
// lacks that button) and records what the boxes said.
struct MessageBoxWatcher : QObject
{
    QList<QStringList> seen; // title, text, details, default button
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QTimer poll;

    MessageBoxWatcher()
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen.append({box->windowTitle(), box->text(), box->detailedText(),
                         QString::number(box->standardButton(box->defaultButton()), 16)});
            box->button(answer) ? box->button(answer)->click()
                                : QTest::keyClick(box, Qt::Key_Escape);
        });
        poll.start(10);
    }
};

// A dialog whose start-up check passes and whose stopped encoder is killed after 300 ms.
inline std::unique_ptr<vantrel> makeDialog(const QString &input = QString(),
                                           const QString &output = QString())
{
    auto dialog = std::make_unique<vantrel>();
    dialog->setEncoderCheckPath(QCoreApplication::applicationFilePath());
    dialog->setStopGracePeriod(std::chrono::milliseconds(300));
    dialog->inputEdit->setText(input);
    dialog->outputEdit->setText(output);
    dialog->convertButton->setEnabled(!input.isEmpty()); // as choosing the input does
    return dialog;
}

// A user's pick in the open list of a combo box: the item, confirmed with Return.
inline void pickByUser(QComboBox *box, int index)
{
    box->showPopup();
    QTRY_VERIFY(box->view()->isVisible());
    box->view()->setCurrentIndex(box->model()->index(index, 0));
    QTest::keyClick(box->view(), Qt::Key_Return);
    QCOMPARE(box->currentIndex(), index);
}
