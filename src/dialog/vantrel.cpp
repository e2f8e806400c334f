// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vantrel.h"

#include "choices.h"
#include "desktopbus.h"
#include "droppedfile.h"
#include "encoderargs.h"
#include "ffmpegname.h"
#include "filecheck.h"
#include "outputname.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QEventLoopLocker>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QStorageInfo>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

using namespace std::chrono_literals;
using Ending = DesktopBus::Ending;

namespace {

const QString fileFilter = QStringLiteral(
    "video (*.avi *.mpg *.mpeg *.flv *.wmv *.mp4 *.mov *.mkv *.webm *.m4v *.ts *.mts "
    "*.m2ts *.3gp *.ogv *.vob);;All Files(*.*)");

// How much of a chunk the info box shows; a flood of text must not stall the window.
constexpr qsizetype maxShownChunk = 4096;

// Qt 4 dialogs carried the What's This button; Qt 6 ones only with these hints.
constexpr Qt::WindowFlags dialogFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
    | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;

} // namespace

vantrel::vantrel(QWidget *parent)
    : QDialog(parent, dialogFlags)
{
    setupUi(this);
    killTimer.setInterval(3s);
    // Nothing may hold stdout's pipe, and nothing is ever written to stdin: an input named "-"
    // reads an empty file at once instead of waiting for ever.
    proc.setStandardOutputFile(QProcess::nullDevice());
    proc.setStandardInputFile(QProcess::nullDevice());
    // Should vantrel end without a chance to stop the encoder (killed, crashed, display lost),
    // the kernel asks it to stop, as "Stop" would.
    const pid_t self = ::getpid();
    proc.setChildProcessModifier([self] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != self)
            ::raise(SIGTERM);
    });

    QTimer::singleShot(0, this, &vantrel::ffmpegtest);

    // A file dropped anywhere becomes the input, onto the output field or "Save as" the output.
    // The filter sees every drag first, so no field takes a refused drop as text.
    setAcceptDrops(true);
    saveButton->setAcceptDrops(true);
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    connect(convertButton, &QPushButton::clicked, this, &vantrel::konvertiere);
    connect(cancelButton, &QPushButton::clicked, this, &vantrel::abgebrochen);
    connect(closeButton, &QPushButton::clicked, this, &vantrel::close);
    connect(openButton, &QPushButton::clicked, this, &vantrel::openDialog);
    connect(saveButton, &QPushButton::clicked, this, &vantrel::saveDialog);
    connect(&proc, &QProcess::readyReadStandardError, this, &vantrel::updateprocbar);
    connect(&proc, &QProcess::finished, this, &vantrel::procbeendet);
    connect(&proc, &QProcess::errorOccurred, this, &vantrel::processError);
    connect(vcodecComboBox, &QComboBox::currentIndexChanged, this, &vantrel::changeendung);
    connect(inputEdit, &QLineEdit::textChanged, this, &vantrel::changeendung);
    connect(vcodecComboBox, &QComboBox::activated, this, &vantrel::vcopywahl);
    connect(acodecComboBox, &QComboBox::currentIndexChanged, this, &vantrel::acopywahl);
    connect(dvdButton, &QRadioButton::clicked, this, &vantrel::dvdwahl);

    connect(&killTimer, &QTimer::timeout, this, [this] {
        if (stopGrace.extend())
            return;
        killTimer.stop();
        proc.kill();
    });
}

vantrel::~vantrel()
{
    // Never leave an encoder running without its window.
    if (proc.state() != QProcess::NotRunning) {
        disconnect(&proc, nullptr, this, nullptr);
        proc.kill();
        jobOver();
    }
}

void vantrel::changeendung()
{
    const QString output = outputEdit->text();
    if (output.isEmpty())
        return;
    outputEdit->setText(
        OutputName::follow(output, vcodecComboBox->currentIndex(), inputEdit->text()));
}

void vantrel::openDialog()
{
    const QString start = inputEdit->text().isEmpty() ? QDir::homePath() : inputEdit->text();
    const QString chosen =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open File Dialog"), start, fileFilter);
    if (!chosen.isEmpty())
        takeInput(chosen);
}

void vantrel::openFile(const QString &fileName)
{
    if (const auto file = DroppedFile::localFile({}, fileName))
        takeInput(*file);
}

void vantrel::takeInput(const QString &fileName)
{
    const QString output = outputEdit->text();
    inputEdit->setText(fileName);
    if (output.isEmpty())
        outputEdit->setText(
            OutputName::derive(fileName, vcodecComboBox->currentIndex(), inputEdit->text()));
    convertButton->setEnabled(true);
}

void vantrel::saveDialog()
{
    const QString start = outputEdit->text().isEmpty() ? QDir::homePath() : outputEdit->text();
    // The name written can still change with the codec's extension; "Convert" asks about
    // replacing the file that is really there.
    const QString chosen =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save File Dialog"), start, fileFilter,
                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (!chosen.isEmpty())
        takeOutput(chosen);
}

void vantrel::takeOutput(const QString &fileName)
{
    if (inputEdit->text().isEmpty())
        outputEdit->setText(fileName);
    else
        outputEdit->setText(
            OutputName::derive(fileName, vcodecComboBox->currentIndex(), inputEdit->text()));
}

bool vantrel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QDialog::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const std::optional<QString> file =
        DroppedFile::localFile(drop->mimeData()->urls(), drop->mimeData()->text());
    if (!file) {
        drop->ignore(); // the cursor shows the refusal
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        if (watched == outputEdit || watched == saveButton)
            takeOutput(*file);
        else
            takeInput(*file);
    }
    return true;
}

EncoderJob vantrel::jobFromForm() const
{
    EncoderJob job;
    job.inputName = inputEdit->text();
    job.outputName = outputEdit->text();
    job.videoCodecIndex = vcodecComboBox->currentIndex();
    job.palDvd = dvdButton->isChecked();
    job.width = vauflspinBox->text();
    job.height = hauflspinBox->text();
    job.frameRate = fpsComboBox->currentText();
    job.aspect = ratioComboBox->currentText();
    job.videoBitrate = vbitrateSpinBox->text();
    job.audioCodecIndex = acodecComboBox->currentIndex();
    job.audioBitrate = abitrateComboBox->currentText();
    job.audioBitrateEnabled = abitrateComboBox->isEnabled();
    job.channelsEnabled = channelButtonGroup->isEnabled();
    job.stereo = stereoButton->isChecked();
    return job;
}

void vantrel::konvertiere()
{
    const EncoderJob form = jobFromForm();
    if (!FfmpegName::isPlainOutput(form.outputName)) {
        progressEdit->setPlainText(tr("FEHLER: Die Ausgabe muss eine lokale Datei sein!"));
        return;
    }
    // With "-y" ffmpeg empties the output before it reads the input: never let them meet.
    if (FfmpegName::overwritesInput(form.inputName, form.outputName)) {
        progressEdit->setPlainText(
            tr("FEHLER: Ausgabedatei und Eingabedatei sind dieselbe Datei!"));
        return;
    }
    if (!mayReplaceOutput(form.outputName))
        return;
    const Job job{EncoderArgs::build(form), form.frameRate.toDouble(),
                  Choices::copiesVideo(form.videoCodecIndex), form.inputName, form.outputName};
    if (proc.state() != QProcess::NotRunning) {
        // The stopped encoder is still ending: its end is reported first, then this job runs.
        queuedJob = job;
        convertButton->setEnabled(false);
        return;
    }
    startJob(job);
}

bool vantrel::mayReplaceOutput(const QString &outputName)
{
    const QFileInfo output(outputName);
    if (outputName.isEmpty() || !output.exists())
        return true;
    return askYesNo(QDir::toNativeSeparators(output.absoluteFilePath()) + QStringLiteral("\n\n")
                    + tr("Die Ausgabedatei existiert bereits. Soll sie ersetzt werden?"));
}

// No is the default and what Escape answers: nothing irreversible happens by accident.
bool vantrel::askYesNo(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("vantrel"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void vantrel::startJob(const Job &job)
{
    progressBar->setValue(0);
    showRemaining(QStringLiteral("0"));
    frameRate = job.frameRate;
    copyJob = job.copiesVideo;
    jobOutput = job.outputName;
    stopRequested = false;
    spaceAsked = false;
    ++jobCount;
    taskbarPercent.reset();
    convertButton->setEnabled(false);
    progressEdit->clear();
    DesktopBus::keepAwake(true);
    befehlEdit->setPlainText(EncoderArgs::commandText(job.arguments));
    progress.reset(job.inputName, job.outputName);
    stderrDecoder.resetState();
    ffmpegOutput.clear();
    proc.start(EncoderArgs::program, job.arguments, QIODevice::ReadWrite);
}

void vantrel::updateprocbar()
{
    ffmpegOutput = stderrDecoder.decode(proc.readAllStandardError());
    const ProgressParser::Update update = progress.feed(ffmpegOutput, copyJob ? 0 : frameRate);
    if (update.report) {
        QString shown = ffmpegOutput;
        shown.chop(1);
        progressEdit->setPlainText(shown.right(maxShownChunk));
    }
    if (update.percent) {
        progressBar->setValue(*update.percent);
        if (taskbarPercent != update.percent) {
            taskbarPercent = update.percent;
            DesktopBus::showProgress(*update.percent / 100.0);
        }
    }
    if (update.remaining)
        showRemaining(*update.remaining);
    if (update.report && !spaceAsked)
        warnOfSpace();
}

// Asked once per job, while the job runs on; Yes stops it as "Stop" does.
void vantrel::warnOfSpace()
{
    const qint64 available = QStorageInfo(QFileInfo(jobOutput).absolutePath()).bytesAvailable();
    const std::optional<qint64> needed = progress.spaceNeeded(available);
    if (!needed)
        return;
    spaceAsked = true;
    const quint64 job = jobCount;
    const QLocale locale;
    if (askYesNo(tr("Auf dem Ziellaufwerk ist voraussichtlich nicht genug Platz: frei sind %1, die "
                    "Ausgabe braucht etwa %2. Konvertierung abbrechen?")
                     .arg(locale.formattedDataSize(available), locale.formattedDataSize(*needed)))
        && job == jobCount)
        abgebrochen();
}

void vantrel::showRemaining(const QString &text)
{
    lcdNumber->display(text);
    // A QLCDNumber reads out its numeric value, which "1:23" is not: the name says what it shows.
    // Setting the name tells assistive technology; an unchanged one is not announced again.
    if (lcdNumber->accessibleName() != text)
        lcdNumber->setAccessibleName(text);
}

void vantrel::jobOver()
{
    DesktopBus::hideProgress();
    DesktopBus::keepAwake(false);
}

void vantrel::reportEnd(const QString &status, DesktopBus::Ending ending)
{
    progressEdit->setPlainText(status);
    jobOver();
    if (!isActiveWindow())
        DesktopBus::notify(status, jobOutput, ending);
}

void vantrel::procbeendet(int exitCode, QProcess::ExitStatus exitStatus)
{
    killTimer.stop();
    if (quitLock) {
        // The window is closed: nobody is left to read a report.
        jobOver();
        quitLock.reset();
        return;
    }
    const bool normalExit = exitStatus == QProcess::NormalExit;
    if (normalExit && exitCode == 0) {
        // An exit with 0 is no proof: ffmpeg can end so having written nothing, or too little.
        const auto written = progress.output(FileCheck::size(jobOutput));
        if (written == ProgressParser::Output::Missing) {
            showRemaining(QStringLiteral("ERROR"));
            reportEnd(tr("FEHLER: Die Ausgabedatei fehlt oder ist leer!"), Ending::Error);
            showErrorBox(tr("<b>Die Ausgabedatei fehlt oder ist leer!</b><br><br>ffmpeg hat sich "
                            "ohne Fehler beendet, aber keine Ausgabe geschrieben."),
                         progress.diagnosticTail());
        } else if (written == ProgressParser::Output::Short) {
            reportEnd(tr("Konvertierung beendet, aber die Ausgabe ist kürzer als die Eingabe!"),
                      Ending::Failure);
        } else {
            reportEnd(tr("Konvertierung beendet!"), Ending::Success);
            progressBar->setValue(100);
        }
    } else if (stopRequested || (normalExit && exitCode == 255)) {
        // Asked to stop, an encoder may also end with another code or have to be killed.
        reportEnd(tr("Konvertierung ABGEBROCHEN!!!"), Ending::Failure);
    } else if (!normalExit) {
        reportEnd(tr("CONVERSION CRASHED!!!"), Ending::Failure);
    } else {
        // ffmpeg also fails with 69 and, from 6.1 on, with the low byte of an error code.
        showRemaining(QStringLiteral("ERROR"));
        reportEnd(tr("FEHLER beim Konvertierungsstart!!!"), Ending::Error);
        showErrorBox(tr("<b>ffmpeg meldete einen Fehler!</b><br><br>Bitte überprüfen sie die "
                        "Einstellungen für die Umwandlung <br>anhand der Fehlerbeschreibung in "
                        "den Details.<br>"),
                     progress.diagnosticTail());
    }
    convertButton->setEnabled(true);
    if (queuedJob) {
        const Job job = *queuedJob;
        queuedJob.reset();
        startJob(job);
    }
}

void vantrel::abgebrochen()
{
    queuedJob.reset();
    stopEncoder();
    convertButton->setEnabled(true);
}

void vantrel::stopEncoder()
{
    // One request per job: ffmpeg takes a second SIGTERM as "exit at once", without the
    // trailer that makes its output readable.
    if (proc.state() == QProcess::NotRunning || stopRequested)
        return;
    stopRequested = true;
    proc.terminate();
    stopGrace.start(jobOutput);
    killTimer.start();
}

void vantrel::processError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return;
    reportEnd(tr("FEHLER beim Starten der Konvertierung!!!"), Ending::Failure);
    convertButton->setEnabled(true);
}

void vantrel::dvdwahl()
{
    if (dvdButton->isChecked()) {
        vauflspinBox->setEnabled(false);
        vauflspinBox->setValue(Choices::PalDvd::width);
        hauflspinBox->setEnabled(false);
        hauflspinBox->setValue(Choices::PalDvd::height);
        vcodecComboBox->setEnabled(false);
        vcodecComboBox->setCurrentIndex(Choices::PalDvd::videoCodec);
        ratioComboBox->setEnabled(true);
        vbitrateSpinBox->setEnabled(true);
        fpsComboBox->setEnabled(false);
        fpsComboBox->setCurrentIndex(Choices::PalDvd::frameRate);
        acodecComboBox->setCurrentIndex(Choices::PalDvd::audioCodec);
        abitrateComboBox->setEnabled(true);
        channelButtonGroup->setEnabled(true);
    } else {
        vauflspinBox->setEnabled(true);
        hauflspinBox->setEnabled(true);
        vcodecComboBox->setEnabled(true);
        fpsComboBox->setEnabled(true);
    }
}

void vantrel::vcopywahl()
{
    const bool encode = !Choices::copiesVideo(vcodecComboBox->currentIndex());
    for (QWidget *widget :
         {static_cast<QWidget *>(vauflspinBox), static_cast<QWidget *>(hauflspinBox),
          static_cast<QWidget *>(ratioComboBox), static_cast<QWidget *>(vbitrateSpinBox),
          static_cast<QWidget *>(fpsComboBox)})
        widget->setEnabled(encode);
}

void vantrel::acopywahl()
{
    const Choices::AudioCodec &codec = Choices::audioCodec(acodecComboBox->currentIndex());
    abitrateComboBox->setEnabled(codec.bitrate);
    channelButtonGroup->setEnabled(codec.channels);
}

void vantrel::ffmpegtest()
{
    if (FileCheck::encoderPresent(encoderCheckPath, EncoderArgs::program))
        return;
    showErrorBox(tr("<b>Fehler: ffmpeg nicht gefunden!</b><br><br>vantrel benötigt für den "
                    "Betrieb<br>das Programm ffmpeg.<br>Bitte installieren Sie die Anwendung "
                    "mit<br><b>apt-get install ffmpeg</b>.<br>vantrel wird geschlossen."),
                 QString());
    QCoreApplication::exit(2);
}

void vantrel::showErrorBox(const QString &text, const QString &details)
{
    messageFont.setPointSize(12);
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok);
    box.setFont(messageFont);
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(QStringLiteral("vantrel Fehler"));
    box.setText(text);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.exec();
}

void vantrel::done(int result)
{
    if (proc.state() != QProcess::NotRunning) {
        // Keep the event loop alive until the encoder has ended; its end is reported to nobody.
        queuedJob.reset();
        if (!quitLock)
            quitLock = std::make_unique<QEventLoopLocker>();
        stopEncoder();
    }
    QDialog::done(result);
}
