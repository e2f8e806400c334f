#include "testsupport.h"
#include "vantrel.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

// Whole jobs through the dialog, with the fake encoder first on PATH: how each kind of end is
// reported, stopping, closing, refused jobs, and the presence check at start-up.
class tst_Jobs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void encoderEnds_data();
    void encoderEnds();
    void failedStart_data();
    void failedStart();
    void argumentsReachTheEncoder();
    void characterSplitBetweenChunks();
    void encoderTextIsNeverMarkup();
    void stop_data();
    void stop();
    void stopWithoutJobEnablesConvert();
    void convertWhileStopping();
    void closeWhileRunning_data();
    void closeWhileRunning();
    void sameFileRefused_data();
    void sameFileRefused();
    void presenceCheck_data();
    void presenceCheck();

private:
    void fillNames(vantrel &d);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeEncoder> m_fake;
};

using namespace Status;

namespace {

const QString errorBoxText = QStringLiteral(
    "<b>ffmpeg meldete einen Fehler!</b><br><br>Bitte überprüfen sie die Einstellungen für die "
    "Umwandlung <br>anhand der Fehlerbeschreibung in den Details.<br>");

const QString header = QStringLiteral(
    "err ffmpeg version 5.1 Copyright (c) 2000-2022 the FFmpeg developers\\n"
    "Input #0, avi, from 'in.avi':\\n  Duration: 00:00:10.00, start: 0.000000, bitrate: 9 kb/s\\n"
    "  Stream #0:0: Video: mpeg4, yuv420p, 160x120, 25 fps, 25 tbr\\n\n");
const QString halfWay = QStringLiteral(
    "err frame=  125 fps= 50 q=2.0 size=     100kB time=00:00:05.00 bitrate= 1.0kbits/s    \\r\n");

} // namespace

void tst_Jobs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_fake = std::make_unique<FakeEncoder>();
}

void tst_Jobs::cleanup()
{
    m_fake.reset();
    m_dir.reset();
}

void tst_Jobs::fillNames(vantrel &d)
{
    QFile input(m_dir->filePath("in.avi"));
    QVERIFY(input.open(QIODevice::WriteOnly));
    input.write("not really a video");
    input.close();
    d.inputEdit->setText(input.fileName());
    d.outputEdit->setText(m_dir->filePath("out.avi"));
    d.convertButton->setEnabled(true); // as choosing the input in the open dialog does
}

void tst_Jobs::encoderEnds_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("details"); // non-empty: the error box shows it among its details

    const QString reason = QStringLiteral(
        "err [mp4 @ 0x55] Could not find tag for codec pcm_s16le in stream #1, codec not "
        "currently supported in container\\nConversion failed!\\n\n");
    QTest::newRow("exit 0") << header + halfWay + "exit 0\n" << finished << 100 << "";
    QTest::newRow("exit 0 without any output") << "exit 0\n" << finished << 100 << "";
    QTest::newRow("exit 1 with its reason") << header + halfWay + reason
            + "exit 1\n" << failed << 50 << "Could not find tag for codec pcm_s16le";
    QTest::newRow("exit 2 is a failure") << header + reason + "exit 2\n"
                                         << failed << 0 << "Conversion failed!";
    QTest::newRow("exit 69: too many decoding errors")
        << header + "err Error while decoding stream #0:0\\n\nexit 69\n"
        << failed << 0 << "Error while decoding stream";
    QTest::newRow("exit 234: ffmpeg 6.1 Invalid argument")
        << header + "err Error opening output file: Invalid argument\\n\nexit 234\n"
        << failed << 0 << "Invalid argument";
    QTest::newRow("exit 255 is a stop, bar keeps its value") << header + halfWay + "exit 255\n"
                                                             << stopped << 50 << "";
    QTest::newRow("SIGSEGV") << header + halfWay + "crash 11\n" << crashed << 50 << "";
    QTest::newRow("SIGKILL") << header + halfWay + "crash 9\n" << crashed << 50 << "";
    QTest::newRow("stderr closed early") << header + "closeerr\nexit 0\n" << finished << 100 << "";
    QTest::newRow("invalid UTF-8")
        << header + "err \\xff\\xfe\\xc3(frame= 1 fps=\\xff time=00:00:\\xc3\\r\nexit 0\n"
        << finished << 100 << "";
    QTest::newRow("a line of 4 MB without a break, then an error")
        << header + "bigline 4000000\nerr \\nreal reason\\n\nexit 1\n"
        << failed << 0 << "real reason";
    QTest::newRow("chunks of only a carriage return") << header + "err \\r\nerr \\r\nexit 0\n"
                                                      << finished << 100 << "";
    QTest::newRow("numbers past 32 bits")
        << "err   Duration: 99999999999:00:00.00, start: 0.0\\n\n"
           "err frame=99999999999 fps=99999999999 size=99999999999kB "
           "time=4294967296:00:00.00 bitrate=1    \\r\nexit 255\n"
        << stopped << 4 << "";
}

void tst_Jobs::encoderEnds()
{
    QFETCH(QString, script);
    QFETCH(QString, message);
    QFETCH(int, bar);
    QFETCH(QString, details);

    auto d = makeDialog();
    fillNames(*d);
    m_fake->setScript(script);
    MessageBoxWatcher boxes;
    bool convertEnabledDuringBox = true;
    boxes.onSeen = [&] { convertEnabledDuringBox = d->convertButton->isEnabled(); };

    d->convertButton->click();
    QVERIFY(!d->convertButton->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(Status::isEnd(d->progressEdit->toPlainText()), 20000);
    QCOMPARE(d->progressEdit->toPlainText(), message);
    QCOMPARE(d->progressBar->value(), bar);
    QVERIFY(d->convertButton->isEnabled());
    if (details.isEmpty()) {
        QVERIFY(boxes.seen.isEmpty());
    } else {
        QCOMPARE(boxes.seen.size(), 1);
        const MessageBoxWatcher::Seen &box = boxes.seen.first();
        QCOMPARE(box.title, QString("vantrel Fehler"));
        QCOMPARE(box.text, errorBoxText);
        QCOMPARE(box.icon, int(QMessageBox::Critical));
        QCOMPARE(box.buttons, int(QMessageBox::Ok));
        QCOMPARE(box.pointSize, 12);
        QVERIFY2(box.details.contains(details), qPrintable(box.details.right(300)));
        QVERIFY(box.details.size() < 200000);
        QVERIFY(!convertEnabledDuringBox);
        QCOMPARE(d->lcdNumber->digitCount(), 7);
        QCOMPARE(d->lcdNumber->intValue(), 0); // shows "ERROR", not a number
    }

    // "Convert" works again afterwards.
    m_fake->setScript("exit 0\n");
    d->convertButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(d->progressEdit->toPlainText(), finished, 10000);
}

void tst_Jobs::failedStart_data()
{
    QTest::addColumn<bool>("presentButNotExecutable");
    QTest::newRow("ffmpeg not on PATH") << false;
    QTest::newRow("ffmpeg not executable") << true;
}

void tst_Jobs::failedStart()
{
    QFETCH(bool, presentButNotExecutable);
    QTemporaryDir bin;
    if (presentButNotExecutable) {
        QFile file(bin.filePath("ffmpeg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexit 0\n");
    }
    PathOverride path(QFile::encodeName(bin.path()));
    auto d = makeDialog();
    fillNames(*d);
    MessageBoxWatcher boxes;

    d->convertButton->click();
    QTRY_COMPARE(d->progressEdit->toPlainText(), notStarted);
    QVERIFY(d->convertButton->isEnabled());
    QCOMPARE(d->progressBar->value(), 0);
    QVERIFY(boxes.seen.isEmpty());
}

void tst_Jobs::argumentsReachTheEncoder()
{
    auto d = makeDialog();
    const QString input = m_dir->filePath("my film.avi");
    QFile(input).open(QIODevice::WriteOnly);
    d->inputEdit->setText(input);
    d->outputEdit->setText(m_dir->filePath("my copy.mp4"));
    d->convertButton->setEnabled(true);
    pickByUser(d->vcodecComboBox, 5);
    pickByUser(d->acodecComboBox, 2);
    d->monoButton->setChecked(true);
    m_fake->setScript("exit 0\n");

    d->convertButton->click();
    QTRY_COMPARE(d->progressEdit->toPlainText(), finished);
    const QStringList expected{"-y",      "-i",      input,        "-s",
                               "320x240", "-vcodec", "mpeg4",      "-r",
                               "25",      "-aspect", "4:3",        "-b",
                               "8000k",   "-acodec", "libmp3lame", "-ab",
                               "224k",    "-ac",     "1",          m_dir->filePath("my copy.mp4")};
    QCOMPARE(m_fake->receivedArguments(), expected);
    QCOMPARE(d->befehlEdit->toPlainText(), "ffmpeg " + expected.join(' '));
}

// A multi-byte character cut between two reads of the pipe arrives whole.
void tst_Jobs::characterSplitBetweenChunks()
{
    auto d = makeDialog();
    fillNames(*d);
    const QString go = m_fake->path("go");
    m_fake->setScript(
        header + "err frame=  25 fps= 25 size= 1kB time=00:00:01.00 x    \\rGr\\xc3\n" + "waitfile "
        + go + "\n"
        + "err \\xbc\\xc3\\x9fe\\nframe=  50 fps= 25 size= 1kB time=00:00:02.00    \\r\n"
          "hang\n");
    d->convertButton->click();
    QTRY_VERIFY(d->progressEdit->toPlainText().contains("time=00:00:01.00"));
    QFile(go).open(QIODevice::WriteOnly);
    QTRY_VERIFY(d->progressEdit->toPlainText().contains("time=00:00:02.00"));
    QVERIFY2(d->progressEdit->toPlainText().startsWith(u"üße"),
             qPrintable(d->progressEdit->toPlainText()));
    QCOMPARE(d->progressBar->value(), 20);
    d->cancelButton->click();
    QTRY_VERIFY(Status::isEnd(d->progressEdit->toPlainText()));
}

// Names and messages in the encoder's text are shown as they are, never rendered as rich text.
void tst_Jobs::encoderTextIsNeverMarkup()
{
    auto d = makeDialog();
    fillNames(*d);
    m_fake->setScript(QString("err <b>Input</b> <img src=x>\\nframe=  25 fps= 25 size= 1kB "
                              "time=00:00:01.00 x    \\r\nhang\n"));
    d->convertButton->click();
    QTRY_VERIFY(d->progressEdit->toPlainText().contains("time=00:00:01.00"));
    QVERIFY2(d->progressEdit->toPlainText().startsWith("<b>Input</b> <img src=x>"),
             qPrintable(d->progressEdit->toPlainText()));
    d->cancelButton->click();
    QTRY_VERIFY(Status::isEnd(d->progressEdit->toPlainText()));
}

void tst_Jobs::stop_data()
{
    QTest::addColumn<QString>("onTerm");
    QTest::addColumn<QString>("message");
    QTest::newRow("encoder ends with 255 as ffmpeg does") << "exit255" << stopped;
    QTest::newRow("encoder killed by the signal") << "default" << crashed;
    QTest::newRow("encoder ignores the request and is killed") << "ignore" << crashed;
}

void tst_Jobs::stop()
{
    QFETCH(QString, onTerm);
    QFETCH(QString, message);

    auto d = makeDialog();
    fillNames(*d);
    m_fake->setScript("sigterm " + onTerm + "\npidfile " + m_fake->path("pid") + "\n" + header
                      + halfWay + "hang\n");
    d->convertButton->click();
    QTRY_COMPARE(d->progressBar->value(), 50);
    d->cancelButton->click();
    QVERIFY(d->convertButton->isEnabled()); // at once, before the encoder has ended
    QTRY_VERIFY_WITH_TIMEOUT(Status::isEnd(d->progressEdit->toPlainText()), 10000);
    QCOMPARE(d->progressEdit->toPlainText(), message);
    QCOMPARE(d->progressBar->value(), 50);
    QTRY_VERIFY(!processExists(m_fake->pid()));
}

void tst_Jobs::stopWithoutJobEnablesConvert()
{
    auto d = makeDialog();
    QVERIFY(!d->convertButton->isEnabled());
    d->cancelButton->click();
    QVERIFY(d->convertButton->isEnabled());
    QVERIFY(d->progressEdit->toPlainText().isEmpty());
}

// "Convert" while the stopped encoder is still ending: its end is reported, then the new job
// runs; two encoders never run at once.
void tst_Jobs::convertWhileStopping()
{
    auto d = makeDialog();
    fillNames(*d);
    m_fake->setScript("sigterm ignore\npidfile " + m_fake->path("pid") + "\n" + header + halfWay
                      + "hang\n");
    d->convertButton->click();
    QTRY_COMPARE(d->progressBar->value(), 50);
    const qint64 first = m_fake->pid();
    QVERIFY(processExists(first));

    QStringList endMessages;
    connect(d->progressEdit, &QTextEdit::textChanged, this, [&] {
        if (Status::isEnd(d->progressEdit->toPlainText()))
            endMessages << d->progressEdit->toPlainText();
    });
    d->cancelButton->click();
    m_fake->setScript("pidfile " + m_fake->path("pid") + "\n" + header + halfWay + "exit 0\n");
    d->convertButton->click();
    QVERIFY(!d->convertButton->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(endMessages, (QStringList{crashed, finished}), 10000);
    const qint64 second = m_fake->pid();
    QVERIFY(second != first);
    QVERIFY(!processExists(first));
    QCOMPARE(d->progressBar->value(), 100);
}

void tst_Jobs::closeWhileRunning_data()
{
    QTest::addColumn<QString>("onTerm");
    QTest::newRow("encoder obeys the stop request") << "exit255";
    QTest::newRow("encoder ignores it and is killed") << "ignore";
}

void tst_Jobs::closeWhileRunning()
{
    QFETCH(QString, onTerm);
    auto *d = makeDialog().release(); // as in main: never deleted by its owner
    fillNames(*d);
    d->show();
    m_fake->setScript("sigterm " + onTerm + "\npidfile " + m_fake->path("pid") + "\n" + header
                      + halfWay + "hang\n");
    d->convertButton->click();
    QTRY_COMPARE(d->progressBar->value(), 50);
    const qint64 pid = m_fake->pid();
    MessageBoxWatcher boxes;

    QTimer::singleShot(0, d, &QWidget::close);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!processExists(pid)); // ended before the event loop returned
    QVERIFY(boxes.seen.isEmpty());
    delete d;
}

void tst_Jobs::sameFileRefused_data()
{
    QTest::addColumn<QString>("outputName"); // relative to the temporary folder, "@" for it

    QTest::newRow("identical names") << "@/in.avi";
    QTest::newRow("doubled separator") << "@//in.avi";
    QTest::newRow("dot and dot-dot") << "@/./sub/../in.avi";
    QTest::newRow("symbolic link") << "@/link.avi";
    QTest::newRow("hard link") << "@/hard.avi";
}

void tst_Jobs::sameFileRefused()
{
    QFETCH(QString, outputName);
    auto d = makeDialog();
    fillNames(*d);
    QDir(m_dir->path()).mkdir("sub");
    QVERIFY(QFile::link(m_dir->filePath("in.avi"), m_dir->filePath("link.avi")));
    QCOMPARE(::link(QFile::encodeName(m_dir->filePath("in.avi")).constData(),
                    QFile::encodeName(m_dir->filePath("hard.avi")).constData()),
             0);
    d->outputEdit->setText(QString(outputName).replace("@", m_dir->path()));
    d->convertButton->setEnabled(true);
    m_fake->setScript("touch " + m_dir->filePath("in.avi") + "\nexit 0\n");

    d->convertButton->click();
    QCOMPARE(d->progressEdit->toPlainText(),
             QString("FEHLER: Ausgabedatei und Eingabedatei sind dieselbe Datei!"));
    QVERIFY(d->convertButton->isEnabled());
    QVERIFY(d->befehlEdit->toPlainText().isEmpty());
    QVERIFY(!QFile::exists(m_fake->path("args"))); // nothing was started
    QFile input(m_dir->filePath("in.avi"));
    QVERIFY(input.open(QIODevice::ReadOnly));
    QCOMPARE(input.readAll(), QByteArray("not really a video"));
}

void tst_Jobs::presenceCheck_data()
{
    QTest::addColumn<bool>("fixedPathExists");
    QTest::addColumn<bool>("onPath");
    QTest::newRow("at the fixed path") << true << false;
    QTest::newRow("only on PATH") << false << true;
    QTest::newRow("nowhere: box, then exit status 2") << false << false;
}

void tst_Jobs::presenceCheck()
{
    QFETCH(bool, fixedPathExists);
    QFETCH(bool, onPath);
    QTemporaryDir empty;
    PathOverride path(onPath ? QByteArray(FAKE_FFMPEG_DIR) : QFile::encodeName(empty.path()));
    const QString fixed =
        fixedPathExists ? QCoreApplication::applicationFilePath() : empty.filePath("ffmpeg");
    auto d = makeDialog(fixed);
    d->show();
    MessageBoxWatcher boxes;
    bool dialogVisibleDuringBox = false;
    boxes.onSeen = [&] { dialogVisibleDuringBox = d->isVisible(); };

    if (fixedPathExists || onPath) {
        // The check was queued first, so it has run when this zero-delay timer fires.
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY(boxes.seen.isEmpty());
        return;
    }
    QCOMPARE(QCoreApplication::exec(), 2);
    QCOMPARE(boxes.seen.size(), 1);
    QVERIFY(dialogVisibleDuringBox);
    const MessageBoxWatcher::Seen &box = boxes.seen.first();
    QCOMPARE(box.title, QString("vantrel Fehler"));
    QCOMPARE(box.text,
             QString("<b>Fehler: ffmpeg nicht gefunden!</b><br><br>vantrel benötigt für den "
                     "Betrieb<br>das Programm ffmpeg.<br>Bitte installieren Sie die Anwendung "
                     "mit<br><b>apt-get install ffmpeg</b>.<br>vantrel wird geschlossen."));
    QCOMPARE(box.icon, int(QMessageBox::Critical));
    QCOMPARE(box.buttons, int(QMessageBox::Ok));
    QCOMPARE(box.pointSize, 12);
}

QTEST_MAIN(tst_Jobs)
#include "tst_jobs.moc"
