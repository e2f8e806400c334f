#include "testsupport.h"
#include "vantrel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Answers every modal file dialog that opens while it lives: records what it showed, then
// chooses `answer`, or cancels when `answer` is empty.
class FileDialogDriver
{
public:
    struct Seen
    {
        QWidget *parent = nullptr;
        QString title;
        QStringList filters;
        QString directory;
        QStringList selected;
        bool asksToReplace = false;
    };

    explicit FileDialogDriver(const QString &answer)
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this, answer] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            seen.append({dialog->parentWidget(), dialog->windowTitle(), dialog->nameFilters(),
                         dialog->directory().absolutePath(), dialog->selectedFiles(),
                         !dialog->testOption(QFileDialog::DontConfirmOverwrite)});
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            // Still open after an answer: give up rather than hang.
            if (answer.isEmpty() || seen.size() > 1) {
                buttons->button(QDialogButtonBox::Cancel)->click();
                return;
            }
            // Typed, as selectFile() leaves a focused name field alone.
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(answer);
            buttons
                ->button(dialog->acceptMode() == QFileDialog::AcceptOpen ? QDialogButtonBox::Open
                                                                         : QDialogButtonBox::Save)
                ->click();
        });
        m_poll.start();
    }

    QList<Seen> seen;

private:
    QTimer m_poll;
};

// The file choice and the option interlocks, driven through the widgets of a real dialog.
class tst_FormBehaviour : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void openFile_data();
    void openFile();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void saveFile_data();
    void saveFile();
    void videoCodec_data();
    void videoCodec();
    void audioCodec_data();
    void audioCodec();
    void palDvd_data();
    void palDvd();

private:
    QString inTemp(QString path) const
    {
        return path.replace(QLatin1String("<tmp>"), m_files->path());
    }

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_files;
};

static const QStringList videoFilters{"video (*.avi *.mpg *.mpeg *.flv *.wmv *.mp4 *.mov)",
                                      "All Files(*.*)"};

static std::unique_ptr<vantrel> shownDialog()
{
    auto dialog = makeDialog();
    dialog->show();
    return dialog;
}

static QList<bool> videoWidgetsEnabled(const vantrel &d)
{
    return {d.vauflspinBox->isEnabled(), d.hauflspinBox->isEnabled(), d.ratioComboBox->isEnabled(),
            d.vbitrateSpinBox->isEnabled(), d.fpsComboBox->isEnabled()};
}

void tst_FormBehaviour::initTestCase()
{
    // A predictable home for the dialogs' start location, and the file dialogs' remembered
    // state kept away from the real user's.
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath("config")));
}

void tst_FormBehaviour::init()
{
    m_files = std::make_unique<QTemporaryDir>();
    QVERIFY(m_files->isValid());
    QVERIFY(QDir(m_files->path()).mkpath("sub"));
    QVERIFY(QDir(m_files->path()).mkpath("out"));
    for (const char *name : {"a.avi", "c.mov", "sub/a.avi"}) {
        QFile file(m_files->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void tst_FormBehaviour::openFile_data()
{
    QTest::addColumn<int>("codec");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("copy, empty output: marked") << 0 << ""
                                                << "a.avi"
                                                << "<tmp>/a-Kopie.avi";
    QTest::newRow("mpeg4, empty output") << 5 << ""
                                         << "a.avi"
                                         << "<tmp>/a.mp4";
    QTest::newRow("copy, output kept: new suffix") << 0 << "/out/b.avi"
                                                   << "c.mov"
                                                   << "/out/b.mov";
    QTest::newRow("flv, output kept") << 6 << "/out/b.avi"
                                      << "c.mov"
                                      << "/out/b.flv";
}

void tst_FormBehaviour::openFile()
{
    QFETCH(int, codec);
    QFETCH(QString, output);
    QFETCH(QString, file);
    QFETCH(QString, expected);
    auto d = shownDialog();
    d->vcodecComboBox->setCurrentIndex(codec);
    d->outputEdit->setText(output);

    FileDialogDriver driver(m_files->filePath(file));
    QTest::mouseClick(d->openButton, Qt::LeftButton);
    QCOMPARE(driver.seen.size(), 1);
    const FileDialogDriver::Seen &seen = driver.seen.first();
    QCOMPARE(seen.parent, d.get());
    QCOMPARE(seen.title, "Open File Dialog");
    QCOMPARE(seen.filters, videoFilters);
    QCOMPARE(seen.directory, m_home.path());

    QCOMPARE(d->inputEdit->text(), m_files->filePath(file));
    QCOMPARE(d->outputEdit->text(), inTemp(expected));
    QVERIFY(d->convertButton->isEnabled());
}

void tst_FormBehaviour::cancelChangesNothing_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("startDirectory"); // empty: home
    QTest::addColumn<QString>("selected");

    QTest::newRow("open, empty fields: home") << false << ""
                                              << ""
                                              << ""
                                              << "";
    QTest::newRow("open: the input's directory, input selected") << false << "<tmp>/sub/a.avi"
                                                                 << "<tmp>/out/b.mp4"
                                                                 << "<tmp>/sub"
                                                                 << "<tmp>/sub/a.avi";
    QTest::newRow("save, empty fields: home") << true << ""
                                              << ""
                                              << ""
                                              << "";
    QTest::newRow("save: the output's directory, output named") << true << "<tmp>/sub/a.avi"
                                                                << "<tmp>/out/b.mp4"
                                                                << "<tmp>/out"
                                                                << "<tmp>/out/b.mp4";
}

void tst_FormBehaviour::cancelChangesNothing()
{
    QFETCH(bool, save);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, startDirectory);
    QFETCH(QString, selected);
    auto d = shownDialog();
    d->inputEdit->setText(inTemp(input));
    d->outputEdit->setText(inTemp(output));

    FileDialogDriver driver{QString()};
    QTest::mouseClick(save ? d->saveButton : d->openButton, Qt::LeftButton);
    QCOMPARE(driver.seen.size(), 1);
    QCOMPARE(driver.seen.first().title, save ? "Save File Dialog" : "Open File Dialog");
    QCOMPARE(driver.seen.first().filters, videoFilters);
    QCOMPARE(driver.seen.first().directory,
             startDirectory.isEmpty() ? m_home.path() : inTemp(startDirectory));
    if (!selected.isEmpty())
        QCOMPARE(driver.seen.first().selected, QStringList{inTemp(selected)});

    QCOMPARE(d->inputEdit->text(), inTemp(input));
    QCOMPARE(d->outputEdit->text(), inTemp(output));
    QVERIFY(!d->convertButton->isEnabled());
}

void tst_FormBehaviour::saveFile_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("codec");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty input: name as chosen") << "" << 5 << "out/clip.mkv"
                                                 << "out/clip.mkv";
    QTest::newRow("mpeg4: the codec's extension") << "<tmp>/a.avi" << 5 << "out/clip.mkv"
                                                  << "out/clip.mp4";
    QTest::newRow("copy: the input's suffix") << "<tmp>/a.avi" << 0 << "out/clip.mkv"
                                              << "out/clip.avi";
    QTest::newRow("copy, names the input: marked") << "<tmp>/a.avi" << 0 << "a.mkv"
                                                   << "a-Kopie.avi";
}

void tst_FormBehaviour::saveFile()
{
    QFETCH(QString, input);
    QFETCH(int, codec);
    QFETCH(QString, chosen);
    QFETCH(QString, expected);
    auto d = shownDialog();
    d->vcodecComboBox->setCurrentIndex(codec);
    d->inputEdit->setText(inTemp(input));

    FileDialogDriver driver(m_files->filePath(chosen));
    QTest::mouseClick(d->saveButton, Qt::LeftButton);
    QCOMPARE(driver.seen.size(), 1);
    QCOMPARE(driver.seen.first().parent, d.get());
    QVERIFY(!driver.seen.first().asksToReplace); // "Convert" asks about the file really written
    QCOMPARE(d->outputEdit->text(), m_files->filePath(expected));
    QCOMPARE(d->inputEdit->text(), inTemp(input));
    QVERIFY(!d->convertButton->isEnabled()); // a typed input name does not enable "Convert"
}

void tst_FormBehaviour::videoCodec_data()
{
    QTest::addColumn<int>("userStart");  // picked by the user first
    QTest::addColumn<int>("codeStart");  // then set by code, -1: not
    QTest::addColumn<QString>("output"); // then written into the field
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("user: mpeg4 to flv")
        << 5 << -1 << "/data/a.mp4" << true << 6 << "/data/a.flv" << true;
    QTest::newRow("user: flv to mjpeg names the input")
        << 6 << -1 << "/data/a.flv" << true << 2 << "/data/a-Kopie.avi" << true;
    QTest::newRow("user: mjpeg to mpeg2video drops the mark")
        << 2 << -1 << "/data/a-Kopie.avi" << true << 4 << "/data/a.mpg" << true;
    QTest::newRow("user: mpeg4 to copy disables")
        << 5 << -1 << "/data/a.mp4" << true << 0 << "/data/a-Kopie.avi" << false;
    QTest::newRow("user: copy to huffyuv enables")
        << 0 << -1 << "/out/mine.mkv" << true << 1 << "/out/mine.avi" << true;
    QTest::newRow("user re-picks the shown item: interlock only")
        << 0 << 5 << "/out/mine.mkv" << true << 5 << "/out/mine.mkv" << true;
    QTest::newRow("code: mpeg4 to copy, interlock untouched")
        << 5 << -1 << "/out/mine.mkv" << false << 0 << "/out/mine.avi" << true;
    QTest::newRow("code: copy to mpeg1video, interlock untouched")
        << 0 << -1 << "/out/mine.mkv" << false << 3 << "/out/mine.mpg" << false;
}

void tst_FormBehaviour::videoCodec()
{
    QFETCH(int, userStart);
    QFETCH(int, codeStart);
    QFETCH(QString, output);
    QFETCH(bool, byUser);
    QFETCH(int, index);
    QFETCH(QString, expected);
    QFETCH(bool, enabled);
    auto d = shownDialog();
    d->inputEdit->setText("/data/a.avi");
    pickByUser(d->vcodecComboBox, userStart);
    if (codeStart >= 0)
        d->vcodecComboBox->setCurrentIndex(codeStart);
    d->outputEdit->setText(output);
    d->vauflspinBox->setValue(400);
    d->hauflspinBox->setValue(300);
    d->ratioComboBox->setCurrentIndex(1);
    d->vbitrateSpinBox->setValue(5000);
    d->fpsComboBox->setCurrentIndex(2);

    if (byUser)
        pickByUser(d->vcodecComboBox, index);
    else
        d->vcodecComboBox->setCurrentIndex(index);

    QCOMPARE(d->outputEdit->text(), expected);
    QCOMPARE(videoWidgetsEnabled(*d), QList<bool>(5, enabled));
    QCOMPARE(d->vauflspinBox->value(), 400);
    QCOMPARE(d->hauflspinBox->value(), 300);
    QCOMPARE(d->ratioComboBox->currentIndex(), 1);
    QCOMPARE(d->vbitrateSpinBox->value(), 5000);
    QCOMPARE(d->fpsComboBox->currentIndex(), 2);
    QVERIFY(!d->dvdButton->isChecked());
    QVERIFY(!d->abitrateComboBox->isEnabled());
    QVERIFY(!d->channelButtonGroup->isEnabled());
}

void tst_FormBehaviour::audioCodec_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("byUser");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("bitrate");
    QTest::addColumn<bool>("channels");

    QTest::newRow("user: copy to wav") << 0 << true << 1 << false << true;
    QTest::newRow("user: copy to mp3") << 0 << true << 2 << true << true;
    QTest::newRow("user: copy to mp2") << 0 << true << 3 << true << true;
    QTest::newRow("user: copy to ac3") << 0 << true << 4 << true << true;
    QTest::newRow("user: mp3 to copy") << 2 << true << 0 << false << false;
    QTest::newRow("user: mp3 to wav") << 2 << true << 1 << false << true;
    QTest::newRow("code: copy to mp2") << 0 << false << 3 << true << true;
    QTest::newRow("code: wav to copy") << 1 << false << 0 << false << false;
}

void tst_FormBehaviour::audioCodec()
{
    QFETCH(int, from);
    QFETCH(bool, byUser);
    QFETCH(int, to);
    QFETCH(bool, bitrate);
    QFETCH(bool, channels);
    auto d = shownDialog();
    if (from != 0)
        pickByUser(d->acodecComboBox, from);
    d->abitrateComboBox->setCurrentIndex(3);
    d->monoButton->setChecked(true);

    if (byUser)
        pickByUser(d->acodecComboBox, to);
    else
        d->acodecComboBox->setCurrentIndex(to);

    QCOMPARE(d->abitrateComboBox->isEnabled(), bitrate);
    QCOMPARE(d->channelButtonGroup->isEnabled(), channels);
    QCOMPARE(d->abitrateComboBox->currentIndex(), 3);
    QVERIFY(d->monoButton->isChecked());
    QCOMPARE(videoWidgetsEnabled(*d), QList<bool>(5, false));
}

void tst_FormBehaviour::palDvd_data()
{
    QTest::addColumn<int>("videoCodec");
    QTest::addColumn<int>("audioCodec");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("expected");

    QTest::newRow("from copy, marked output") << 0 << 0 << "/data/a-Kopie.avi"
                                              << "/data/a.mpg";
    QTest::newRow("from mpeg4 with mp3") << 5 << 2 << "/out/b.mp4"
                                         << "/out/b.mpg";
    QTest::newRow("from mpeg2video, wav, empty output") << 4 << 1 << ""
                                                        << "";
}

// The lone radio button in its box belongs to no exclusive group, so a second click unchecks it.
void tst_FormBehaviour::palDvd()
{
    QFETCH(int, videoCodec);
    QFETCH(int, audioCodec);
    QFETCH(QString, output);
    QFETCH(QString, expected);
    auto d = shownDialog();
    d->inputEdit->setText("/data/a.avi");
    pickByUser(d->vcodecComboBox, videoCodec);
    if (audioCodec != 0)
        pickByUser(d->acodecComboBox, audioCodec);
    d->outputEdit->setText(output);
    d->ratioComboBox->setCurrentIndex(1);
    d->vbitrateSpinBox->setValue(5000);

    for (int round = 1; round <= 2; ++round) {
        QTest::mouseClick(d->dvdButton, Qt::LeftButton);
        QVERIFY(d->dvdButton->isChecked());
        QCOMPARE(d->vauflspinBox->value(), 720);
        QCOMPARE(d->hauflspinBox->value(), 576);
        QCOMPARE(d->vcodecComboBox->currentIndex(), 4);
        QCOMPARE(d->fpsComboBox->currentIndex(), 1);
        QCOMPARE(d->acodecComboBox->currentIndex(), 4);
        QCOMPARE(d->ratioComboBox->currentIndex(), 1);
        QCOMPARE(d->vbitrateSpinBox->value(), 5000);
        QCOMPARE(videoWidgetsEnabled(*d), (QList<bool>{false, false, true, true, false}));
        QVERIFY(!d->vcodecComboBox->isEnabled());
        QVERIFY(d->acodecComboBox->isEnabled());
        QVERIFY(d->abitrateComboBox->isEnabled());
        QVERIFY(d->channelButtonGroup->isEnabled());
        QCOMPARE(d->outputEdit->text(), expected);

        // Chosen in the meantime; switching off keeps it, switching on again replaces it.
        pickByUser(d->acodecComboBox, 0);
        QTest::mouseClick(d->dvdButton, Qt::LeftButton);
        QVERIFY(!d->dvdButton->isChecked());
        QCOMPARE(videoWidgetsEnabled(*d), QList<bool>(5, true));
        QVERIFY(d->vcodecComboBox->isEnabled());
        QCOMPARE(d->vauflspinBox->value(), 720);
        QCOMPARE(d->hauflspinBox->value(), 576);
        QCOMPARE(d->vcodecComboBox->currentIndex(), 4);
        QCOMPARE(d->fpsComboBox->currentIndex(), 1);
        QCOMPARE(d->acodecComboBox->currentIndex(), 0);
        QVERIFY(!d->abitrateComboBox->isEnabled());
        QVERIFY(!d->channelButtonGroup->isEnabled());
        QCOMPARE(d->outputEdit->text(), expected);
        d->vauflspinBox->setValue(640);
    }
}

QTEST_MAIN(tst_FormBehaviour)
#include "tst_formbehaviour.moc"
