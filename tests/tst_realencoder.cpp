#include "testsupport.h"
#include "vantrel.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

// Real conversions with Debian's ffmpeg through the dialog, on clips generated here; the
// outputs are checked with ffprobe.
class tst_RealEncoder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void convert_data();
    void convert();
    void phoneClipRisesSteadily();
    void stopLeavesReadablePartialOutput();
    void encoderErrorShowsTheReason();
    void outputIsInput_data();
    void outputIsInput();

private:
    static std::unique_ptr<vantrel> dialogFor(const QString &input);
    void waitForEnd(vantrel &d, int timeoutMs = 60000);

    QTemporaryDir m_dir;
    QString m_clip;  // 4 s of mpeg4 with mp3 in avi
    QString m_phone; // 60 s of h264 with aac in mp4, with creation_time metadata
};

namespace {

using namespace Status;

bool run(const QString &program, const QStringList &args, QByteArray *out = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return false;
    if (out)
        *out = p.readAllStandardOutput();
    return true;
}

// "codec_name,channels,width" per stream, one line each.
QStringList probe(const QString &file)
{
    QByteArray out;
    if (!run("ffprobe",
             {"-v", "error", "-show_entries", "stream=codec_name,channels,width", "-of", "csv=p=0",
              file},
             &out))
        return {};
    return QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts);
}

double probeDuration(const QString &file)
{
    QByteArray out;
    run("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", file},
        &out);
    return out.trimmed().toDouble();
}

QByteArray digest(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

void tst_RealEncoder::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable("ffmpeg").isEmpty(), "ffmpeg is not installed");
    QVERIFY(m_dir.isValid());
    m_clip = m_dir.filePath("clip.avi");
    m_phone = m_dir.filePath("phone.mp4");
    QVERIFY(run("ffmpeg",
                {"-v", "error", "-y", "-f", "lavfi", "-i",
                 "testsrc=duration=4:size=160x120:rate=25", "-f", "lavfi", "-i", "sine=duration=4",
                 "-c:v", "mpeg4", "-c:a", "libmp3lame", m_clip}));
    QVERIFY(run("ffmpeg",
                {"-v",
                 "error",
                 "-y",
                 "-f",
                 "lavfi",
                 "-i",
                 "testsrc2=duration=60:size=640x480:rate=25",
                 "-f",
                 "lavfi",
                 "-i",
                 "sine=duration=60",
                 "-c:v",
                 "libx264",
                 "-preset",
                 "ultrafast",
                 "-c:a",
                 "aac",
                 "-metadata",
                 "creation_time=2021-03-04T12:34:56.000000Z",
                 m_phone}));
}

std::unique_ptr<vantrel> tst_RealEncoder::dialogFor(const QString &input)
{
    auto d = makeDialog();
    d->inputEdit->setText(input);
    d->convertButton->setEnabled(true); // as choosing the input in the open dialog does
    return d;
}

void tst_RealEncoder::waitForEnd(vantrel &d, int timeoutMs)
{
    QTRY_VERIFY_WITH_TIMEOUT(d.convertButton->isEnabled(), timeoutMs);
}

void tst_RealEncoder::convert_data()
{
    QTest::addColumn<int>("video");
    QTest::addColumn<int>("audio");
    QTest::addColumn<bool>("palDvd");
    QTest::addColumn<bool>("mono");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QStringList>("streams");

    QTest::newRow("copy and copy")
        << 0 << 0 << false << false << "avi" << QStringList{"mpeg4,160", "mp3,1"};
    QTest::newRow("mpeg4 with mp3 stereo")
        << 5 << 2 << false << false << "mp4" << QStringList{"mpeg4,320", "mp3,2"};
    QTest::newRow("PAL-DVD preset")
        << 0 << 0 << true << false << "mpg" << QStringList{"mpeg2video,720", "ac3,2"};
    QTest::newRow("wav mono") << 0 << 1 << false << true << "avi"
                              << QStringList{"mpeg4,160", "pcm_s16le,1"};
    QTest::newRow("flv with mp3") << 6 << 2 << false << false << "flv"
                                  << QStringList{"flv1,320", "mp3,2"};
}

void tst_RealEncoder::convert()
{
    QFETCH(int, video);
    QFETCH(int, audio);
    QFETCH(bool, palDvd);
    QFETCH(bool, mono);
    QFETCH(QString, suffix);
    QFETCH(QStringList, streams);

    auto d = dialogFor(m_clip);
    const QString output =
        m_dir.filePath(QString(QTest::currentDataTag()).replace(' ', '_') + "." + suffix);
    d->outputEdit->setText(m_dir.filePath("placeholder.avi"));
    pickByUser(d->vcodecComboBox, video);
    pickByUser(d->acodecComboBox, audio);
    if (palDvd)
        d->dvdButton->click();
    if (mono)
        d->monoButton->setChecked(true);
    QCOMPARE(QFileInfo(d->outputEdit->text()).suffix(), suffix); // the name follows the codec
    d->outputEdit->setText(output);

    d->convertButton->click();
    waitForEnd(*d);
    QCOMPARE(d->progressEdit->toPlainText(), finished);
    QCOMPARE(d->progressBar->value(), 100);
    // Each wanted stream is there: video rows give the width, audio rows the channel count.
    const QStringList probed = probe(output);
    for (const QString &stream : streams) {
        const QStringList want = stream.split(',');
        const bool found = std::any_of(probed.begin(), probed.end(), [&](const QString &line) {
            const QStringList got = line.split(',');
            return got.value(0) == want.at(0) && got.contains(want.at(1));
        });
        QVERIFY2(found, qPrintable(stream + " not in " + probed.join(" | ")));
    }
}

// Metadata with creation_time stands before "Duration:"; the bar must follow the real
// position and never jump.
void tst_RealEncoder::phoneClipRisesSteadily()
{
    auto d = dialogFor(m_phone);
    pickByUser(d->vcodecComboBox, 5);
    pickByUser(d->acodecComboBox, 2);
    d->outputEdit->setText(m_dir.filePath("phone-out.mp4"));
    QList<int> values;
    connect(d->progressBar, &QProgressBar::valueChanged, this, [&](int v) { values << v; });

    d->convertButton->click();
    waitForEnd(*d);
    QCOMPARE(d->progressEdit->toPlainText(), finished);
    QVERIFY2(values.size() >= 3, qPrintable(QString::number(values.size())));
    QCOMPARE(values.last(), 100);
    for (int i = 1; i < values.size(); ++i)
        QVERIFY2(values.at(i) >= values.at(i - 1), "the bar went backwards");
    int between = 0;
    for (int v : values)
        between += v > 0 && v < 100;
    QVERIFY2(between >= 2, "fewer than two intermediate percentages");
}

void tst_RealEncoder::stopLeavesReadablePartialOutput()
{
    auto d = dialogFor(m_phone);
    pickByUser(d->vcodecComboBox, 5);
    pickByUser(d->acodecComboBox, 2);
    const QString output = m_dir.filePath("stopped.mp4");
    d->outputEdit->setText(output);

    d->convertButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(d->progressBar->value() > 0, 30000);
    d->cancelButton->click();
    QTRY_COMPARE_WITH_TIMEOUT(d->progressEdit->toPlainText(), stopped, 30000);
    QVERIFY(d->progressBar->value() < 100);
    QCOMPARE(probe(output).size(), 2);
    const double partial = probeDuration(output);
    QVERIFY2(partial > 0 && partial < 59, qPrintable(QString::number(partial)));
}

void tst_RealEncoder::encoderErrorShowsTheReason()
{
    auto d = dialogFor(m_clip);
    pickByUser(d->acodecComboBox, 1); // wav cannot go into mp4
    d->outputEdit->setText(m_dir.filePath("wav-in.mp4"));
    MessageBoxWatcher boxes;

    d->convertButton->click();
    waitForEnd(*d);
    QCOMPARE(d->progressEdit->toPlainText(), failed);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen.first().icon, int(QMessageBox::Critical));
    QVERIFY2(boxes.seen.first().details.contains("Could not find tag for codec pcm_s16le"),
             qPrintable(boxes.seen.first().details));
}

void tst_RealEncoder::outputIsInput_data()
{
    QTest::addColumn<QString>("outputName"); // "@" stands for the clip's folder

    QTest::newRow("doubled separator") << "@//clip.avi";
    QTest::newRow("dot-dot") << "@/../" + QFileInfo(m_dir.path()).fileName() + "/clip.avi";
    QTest::newRow("symbolic link") << "@/clip-link.avi";
}

void tst_RealEncoder::outputIsInput()
{
    QFETCH(QString, outputName);
    QFile::link(m_clip, m_dir.filePath("clip-link.avi"));
    const QByteArray before = digest(m_clip);
    auto d = dialogFor(m_clip);
    d->outputEdit->setText(outputName.replace("@", m_dir.path()));

    d->convertButton->click();
    QCOMPARE(d->progressEdit->toPlainText(),
             QString("FEHLER: Ausgabedatei und Eingabedatei sind dieselbe Datei!"));
    QVERIFY(d->convertButton->isEnabled());
    QCOMPARE(digest(m_clip), before);
    QCOMPARE(probe(m_clip).size(), 2);
}

QTEST_MAIN(tst_RealEncoder)
#include "tst_realencoder.moc"
