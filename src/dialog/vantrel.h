// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktopbus.h"
#include "progressparser.h"
#include "stopgrace.h"
#include "ui_vantrel.h"

#include <QDialog>
#include <QFont>
#include <QProcess>
#include <QStringDecoder>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

class QEventLoopLocker;
struct EncoderJob;

// The converter dialog: reads the form, hands plain values to the units beside it, runs one
// ffmpeg job at a time and writes what happens back into the form.
class vantrel : public QDialog, public Ui::vantrel
{
    Q_OBJECT

public:
    explicit vantrel(QWidget *parent = nullptr);
    ~vantrel() override;

    // The file whose existence the start-up check accepts as the encoder. Tests point it
    // elsewhere; it must be set before the event loop runs the check.
    void setEncoderCheckPath(const QString &path) { encoderCheckPath = path; }
    // How long a stopped encoder's output may stay the same size before the encoder is killed.
    void setStopGracePeriod(std::chrono::milliseconds period) { killTimer.setInterval(period); }
    // Takes an existing file as the input, as choosing it with "Open" does; anything else is
    // left alone.
    void openFile(const QString &fileName);

public slots:
    // However the window goes (Close, Escape, its close control, a quit signal), a running
    // encoder is stopped first.
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void changeendung();
    void openDialog();
    void saveDialog();
    void konvertiere();
    void updateprocbar();
    void procbeendet(int exitCode, QProcess::ExitStatus exitStatus);
    void abgebrochen();
    void processError(QProcess::ProcessError error);
    void dvdwahl();
    void vcopywahl();
    void acopywahl();
    void ffmpegtest();

private:
    struct Job
    {
        QStringList arguments;
        double frameRate = 0;
        bool copiesVideo = false;
        QString inputName;
        QString outputName;
    };

    EncoderJob jobFromForm() const;
    bool mayReplaceOutput(const QString &outputName);
    bool askYesNo(const QString &question);
    void warnOfSpace();
    void startJob(const Job &job);
    void stopEncoder();
    void showRemaining(const QString &text);
    void reportEnd(const QString &status, DesktopBus::Ending ending);
    void jobOver();
    void takeInput(const QString &fileName);
    void takeOutput(const QString &fileName);
    void showErrorBox(const QString &text, const QString &details);

    QProcess proc;
    QFont messageFont;
    ProgressParser progress; // duration, position, percent and the pending duration of the job
    double frameRate = 0;
    bool copyJob = false;              // the running job passes the video stream on unencoded
    QString jobOutput;                 // the output name the running job was started with
    bool stopRequested = false;        // the running job has been asked to stop
    bool spaceAsked = false;           // the running job's user was warned of the disk space
    quint64 jobCount = 0;              // jobs started so far
    std::optional<int> taskbarPercent; // the progress last shown on the program's icon
    QString ffmpegOutput;              // the latest chunk of the encoder's diagnostic text

    QStringDecoder stderrDecoder{QStringDecoder::System};
    std::optional<Job> queuedJob; // "Convert" pressed while the previous encoder was ending
    QTimer killTimer;             // one tick per quiet period after a stop request
    StopGrace stopGrace;
    std::unique_ptr<QEventLoopLocker> quitLock; // keeps the program alive while it stops ffmpeg
    QString encoderCheckPath = QStringLiteral("/usr/bin/ffmpeg");
};
