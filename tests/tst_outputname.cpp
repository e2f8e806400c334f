#include "outputname.h"

#include <QDir>
#include <QTest>

// Output names derived from the input name and the video codec, without any widget.
class tst_OutputName : public QObject
{
    Q_OBJECT

private slots:
    void extension_data();
    void extension();
    void derive_data();
    void derive();
    void follow_data();
    void follow();
};

// Where a relative name typed by hand ends up.
static QString inWorkingDirectory(const QString &name)
{
    return QDir::current().absoluteFilePath(name);
}

void tst_OutputName::extension_data()
{
    QTest::addColumn<int>("codec");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("copy takes the input's suffix") << 0 << "/data/a.mov"
                                                   << ".mov";
    QTest::newRow("copy, only the last suffix") << 0 << "/data/a.tar.avi"
                                                << ".avi";
    QTest::newRow("copy, dot only in the directory") << 0 << "/data.d/clip"
                                                     << ".";
    QTest::newRow("copy, empty input") << 0 << ""
                                       << ".";
    QTest::newRow("huffyuv") << 1 << "/data/a.mov"
                             << ".avi";
    QTest::newRow("mjpeg") << 2 << "/data/a.mov"
                           << ".avi";
    QTest::newRow("mpeg1video") << 3 << "/data/a.mov"
                                << ".mpg";
    QTest::newRow("mpeg2video") << 4 << "/data/a.mov"
                                << ".mpg";
    QTest::newRow("mpeg4") << 5 << "/data/a.mov"
                           << ".mp4";
    QTest::newRow("flv") << 6 << "/data/a.mov"
                         << ".flv";
}

void tst_OutputName::extension()
{
    QFETCH(int, codec);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(OutputName::extension(codec, input), expected);
}

// The name made from a freshly chosen file (open with an empty output field, or save).
void tst_OutputName::derive_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("codec");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("open, copy: same name gets the mark") << "/data/a.avi" << 0 << "/data/a.avi"
                                                         << "/data/a-Kopie.avi";
    QTest::newRow("open, mpeg4") << "/data/a.avi" << 5 << "/data/a.avi"
                                 << "/data/a.mp4";
    QTest::newRow("mark before the extension, suffix also in the directory")
        << "/home/avi/a.avi" << 0 << "/home/avi/a.avi"
        << "/home/avi/a-Kopie.avi";
    QTest::newRow("save, mpeg4 replaces the typed extension")
        << "/out/clip.mkv" << 5 << "/data/a.avi"
        << "/out/clip.mp4";
    QTest::newRow("save, copy: chosen base name meets the input")
        << "/data/a.mkv" << 0 << "/data/a.avi"
        << "/data/a-Kopie.avi";
    QTest::newRow("root directory, copy") << "/a.avi" << 0 << "/a.avi"
                                          << "/a-Kopie.avi";
    QTest::newRow("root directory, mpeg4") << "/a.avi" << 5 << "/a.avi"
                                           << "/a.mp4";
    QTest::newRow("input with a doubled separator names the same file")
        << "/data/a.avi" << 0 << "/data//a.avi"
        << "/data/a-Kopie.avi";
    QTest::newRow("input with '..' names the same file")
        << "/data/a.avi" << 1 << "/data/sub/../a.avi"
        << "/data/a-Kopie.avi";
    QTest::newRow("names differing in case are different files")
        << "/data/A.avi" << 0 << "/data/a.avi"
        << "/data/A.avi";
    QTest::newRow("relative input typed by hand names the derived file")
        << inWorkingDirectory("a.avi") << 2 << "a.avi" << inWorkingDirectory("a-Kopie.avi");
    QTest::newRow("marked name kept apart from a marked input")
        << "/data/a-Kopie.avi" << 0 << "/data/a-Kopie.avi"
        << "/data/a-Kopie-Kopie.avi";
}

void tst_OutputName::derive()
{
    QFETCH(QString, path);
    QFETCH(int, codec);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QString derived = OutputName::derive(path, codec, input);
    QCOMPARE(derived, expected);
    QVERIFY(!derived.contains(QLatin1String("//")));
}

// What the output field becomes at the next codec or input change.
void tst_OutputName::follow_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("codec");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("mpeg4 to flv") << "/data/a.mp4" << 6 << "/data/a.avi"
                                  << "/data/a.flv";
    QTest::newRow("flv to mjpeg names the input: marked") << "/data/a.flv" << 2 << "/data/a.avi"
                                                          << "/data/a-Kopie.avi";
    QTest::newRow("mjpeg to mpeg2video drops the mark") << "/data/a-Kopie.avi" << 4 << "/data/a.avi"
                                                        << "/data/a.mpg";
    QTest::newRow("marked copy stays marked") << "/data/a-Kopie.avi" << 0 << "/data/a.avi"
                                              << "/data/a-Kopie.avi";
    QTest::newRow("new input: output keeps directory and base, takes the suffix")
        << "/out/b.avi" << 0 << "/data/c.mov"
        << "/out/b.mov";
    QTest::newRow("input without suffix, copy") << "/out/b.avi" << 0 << "/data/clip"
                                                << "/out/b.";
    QTest::newRow("input emptied, copy") << "/out/b.avi" << 0 << ""
                                         << "/out/b.";
    QTest::newRow("hand-edited output keeps directory and base")
        << "/out/mine.mkv" << 3 << "/data/a.avi"
        << "/out/mine.mpg";
    QTest::newRow("mark typed inside the file name is removed")
        << "/x/my-Kopie-b.avi" << 1 << "/data/a.avi"
        << "/x/my-b.avi";
    QTest::newRow("only the first mark is removed") << "/x/a-Kopie-Kopie.avi" << 1 << "/data/a.avi"
                                                    << "/x/a-Kopie.avi";
    QTest::newRow("mark in a directory name stays") << "/data/old-Kopie/b.avi" << 5 << "/data/a.avi"
                                                    << "/data/old-Kopie/b.mp4";
    QTest::newRow("relative output becomes absolute")
        << "b.avi" << 5 << "/data/a.avi" << inWorkingDirectory("b.mp4");
    QTest::newRow("relative output and input naming one file")
        << "a.mp4" << 0 << "a.avi" << inWorkingDirectory("a-Kopie.avi");
    QTest::newRow("root directory, back to copy") << "/a.mp4" << 0 << "/a.avi"
                                                  << "/a-Kopie.avi";
    QTest::newRow("root directory, mark dropped") << "/a-Kopie.avi" << 6 << "/a.avi"
                                                  << "/a.flv";
    QTest::newRow("empty output stays empty") << "" << 5 << "/data/a.avi"
                                              << "";
}

void tst_OutputName::follow()
{
    QFETCH(QString, output);
    QFETCH(int, codec);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(OutputName::follow(output, codec, input), expected);
}

QTEST_APPLESS_MAIN(tst_OutputName)
#include "tst_outputname.moc"
