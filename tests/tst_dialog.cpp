// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialog as a user meets it: start-up and exit, the option interlocks, choosing files by
// dialog or by drop, what a screen reader hears; how jobs end, driven by the fake encoder, with
// the notice and the taskbar progress on a private session bus run by the real dbus-daemon; and
// real conversions with Debian's ffmpeg.
#include "choices.h"
#include "desktopbus.h"
#include "testsupport.h"
#include "translations.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLCDNumber>
#include <QMimeData>
#include <QProcess>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <fcntl.h>
#include <poll.h>

// The desktop's services on the private bus, as one object at every path: a notification
// server, a file manager and logind. It records what it is asked.
struct Desktop : QDBusVirtualObject
{
    QStringList notices; // app name, icon, summary, body, category, urgency, actions
    QStringList shown;   // what the file manager was asked to show
    uint lastId = 0;     // of the last notice
    int lock = -1;       // the read end of the pipe whose write end logind hands out

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &call, const QDBusConnection &bus) override
    {
        const QVariantList a = call.arguments();
        QVariant answer;
        if (call.member() == "Notify") {
            const auto hints = qdbus_cast<QVariantMap>(a.value(6));
            notices << QStringList{a[0].toString(),
                                   a[2].toString(),
                                   a[3].toString(),
                                   a[4].toString(),
                                   hints["category"].toString(),
                                   QString::number(hints["urgency"].toInt()),
                                   a[5].toStringList().join(',')}
                           .join('|');
            answer = ++lastId;
        } else if (int ends[2]; call.member() == "Inhibit" && ::pipe2(ends, O_CLOEXEC) == 0) {
            ::close(std::exchange(lock, ends[0]));
            answer = QVariant::fromValue(QDBusUnixFileDescriptor(ends[1]));
            ::close(ends[1]);
        } else {
            shown << call.member() + ' ' + a.value(0).toStringList().join(',');
        }
        return bus.send(answer.isValid() ? call.createReply(answer) : call.createReply());
    }
    // The inhibition holds while the other end of its pipe is open.
    bool held() const
    {
        pollfd end{lock, POLLIN, 0};
        return lock >= 0 && ::poll(&end, 1, 0) == 0;
    }
};

class tst_Dialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startUp_data();
    void startUp();
    void interlocks_data();
    void interlocks();
    void chooseFiles_data();
    void chooseFiles();
    void screenReader();
    void languages_data();
    void languages();
    void ends_data();
    void ends();
    void realConversions_data();
    void realConversions();

public slots:
    void launcherUpdate(const QString &app, const QVariantMap &update)
    {
        QCOMPARE(app, QStringLiteral("application://vantrel.desktop"));
        m_taskbar << (update["progress-visible"].toBool() ? update["progress"].toString()
                                                          : "hidden");
    }

private:
    void drainBus();

    QTemporaryDir m_dir;
    QProcess m_bus; // killed with the test
    Desktop m_desktop;
    QStringList &m_notices = m_desktop.notices;
    QStringList m_taskbar;
};

// "1" for each widget that is enabled, "0" for each that is not.
static QString enabled(const QList<QWidget *> &widgets)
{
    QString states;
    for (QWidget *w : widgets)
        states += w->isEnabled() ? '1' : '0';
    return states;
}

void tst_Dialog::startUp_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("closed with its button: exit status 0") << 0;
    QTest::newRow("no encoder: a message, then exit status 2") << 2;
}

// What a user sees before touching anything, the picture in the What's This help, choice lists
// that mean what the program takes them to mean, and the exit status. As main() runs it: a
// dialog made with new and shown, then the application's event loop.
void tst_Dialog::startUp()
{
    QFETCH(int, status);
    FakeEncoder noEncoder(QString(), false);
    auto d = std::make_unique<vantrel>(); // deleted even when a check fails
    d->setEncoderCheckPath(status ? "/none" : QCoreApplication::applicationFilePath());
    d->show();
    QCOMPARE(d->windowTitle(), QStringLiteral("vantrel " VANTREL_VERSION));
    // Convert, Stop, Close, Open, Save as, codecs, PAL-DVD, video and audio options
    QCOMPARE(enabled({d->convertButton, d->cancelButton, d->closeButton, d->openButton,
                      d->saveButton, d->vcodecComboBox, d->acodecComboBox, d->dvdButton,
                      d->vauflspinBox, d->abitrateComboBox, d->channelButtonGroup})
                 + d->fpsComboBox->currentText() + d->abitrateComboBox->currentText(),
             QStringLiteral("0111111100025224k"));
    QVERIFY(d->whatsThis().contains("src=\":/pics/tesk.jpg\""));
    QCOMPARE(QImage(":/pics/tesk.jpg").size(), QSize(150, 179));

    QStringList listed, meant;
    for (QComboBox *box : {d->vcodecComboBox, d->acodecComboBox, d->fpsComboBox, d->ratioComboBox,
                           d->abitrateComboBox})
        for (int i = 0; i <= box->count(); ++i)
            listed << box->itemText(i);
    const auto add = [&](const auto &table) {
        for (const auto &entry : table) {
            if constexpr (requires { entry.item; })
                meant << Choices::text(entry.item);
            else
                meant << Choices::text(entry);
        }
        meant << QString();
    };
    add(Choices::videoCodecs), add(Choices::audioCodecs), add(Choices::frameRates);
    add(Choices::aspects), add(Choices::audioBitrates);
    QCOMPARE(listed, meant);
    QVERIFY(d->vcodecComboBox->width() >= d->vcodecComboBox->sizeHint().width() // every item whole
            && d->groupBox->rect().contains(d->vcodecComboBox->geometry()));
    MessageBoxWatcher boxes;
    if (!status)
        QTimer::singleShot(0, d->closeButton, &QPushButton::click);
    QCOMPARE(QCoreApplication::exec(), status);
    QCOMPARE(boxes.seen.value(0).value(1).contains("ffmpeg nicht gefunden"), status == 2);
}

void tst_Dialog::interlocks_data()
{
    QTest::addColumn<QStringList>("steps"); // v/a N: the user picks video/audio item N; c: code
    QTest::addColumn<QString>("state");     // on/off: width height ratio bitrate fps vcodec
    // abitrate channels; width, height, video codec, fps, audio codec; output name
    // clang-format off
    QTest::newRow("start-up") << QStringList() << "00000100 320 240 0 1 0 /d/a-Kopie.avi";
    QTest::newRow("mpeg4") << QStringList{"v5"} << "11111100 320 240 5 1 0 /d/a.mp4";
    QTest::newRow("mpeg4, then copy") << QStringList{"v5", "v0"} << "00000100 320 240 0 1 0 /d/a-Kopie.avi";
    QTest::newRow("copy by code leaves the widgets") << QStringList{"v5", "cv0"} << "11111100 320 240 0 1 0 /d/a-Kopie.avi";
    QTest::newRow("wav") << QStringList{"a1"} << "00000101 320 240 0 1 1 /d/a-Kopie.avi";
    QTest::newRow("mp3, then copy") << QStringList{"a2", "a0"} << "00000100 320 240 0 1 0 /d/a-Kopie.avi";
    QTest::newRow("mp2 by code") << QStringList{"ca3"} << "00000111 320 240 0 1 3 /d/a-Kopie.avi";
    QTest::newRow("PAL-DVD") << QStringList{"dvd"} << "00110011 720 576 4 1 4 /d/a.mpg";
    QTest::newRow("PAL-DVD off keeps the values") << QStringList{"dvd", "a0", "dvd"} << "11111100 720 576 4 1 0 /d/a.mpg";
    QTest::newRow("PAL-DVD again re-applies") << QStringList{"dvd", "a0", "dvd", "v0", "dvd"} << "00110011 720 576 4 1 4 /d/a.mpg";
    // clang-format on
}

void tst_Dialog::interlocks()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, state);
    auto d = makeDialog("/d/a.avi", "/d/a-Kopie.avi");
    for (const QString &step : steps) {
        QComboBox *box = step.contains('v') ? d->vcodecComboBox : d->acodecComboBox;
        if (step == "dvd")
            QTest::mouseClick(d->dvdButton, Qt::LeftButton);
        else if (step.startsWith("c"))
            box->setCurrentIndex(step.right(1).toInt());
        else
            pickByUser(box, step.right(1).toInt());
    }
    QString shown =
        enabled({d->vauflspinBox, d->hauflspinBox, d->ratioComboBox, d->vbitrateSpinBox,
                 d->fpsComboBox, d->vcodecComboBox, d->abitrateComboBox, d->channelButtonGroup});
    for (int value :
         {d->vauflspinBox->value(), d->hauflspinBox->value(), d->vcodecComboBox->currentIndex(),
          d->fpsComboBox->currentIndex(), d->acodecComboBox->currentIndex()})
        shown += ' ' + QString::number(value);
    QCOMPARE(shown + ' ' + d->outputEdit->text(), state);
}

void tst_Dialog::chooseFiles_data()
{
    QTest::addColumn<QString>("how");        // a button, or "drop on" the widget of that name
    QTest::addColumn<QString>("before");     // input and output; "@" stands for a folder with a.avi
    QTest::addColumn<QStringList>("chosen"); // none: a drop of text naming no file
    QTest::addColumn<QString>("after");      // input, output, Convert enabled
    // clang-format off
    QTest::newRow("Open: output derived") << "Open" << " " << QStringList{"a.avi"} << "@/a.avi @/a-Kopie.avi 1";
    QTest::newRow("Open: output follows") << "Open" << " @/x.mp4" << QStringList{"a.avi"} << "@/a.avi @/x.avi 1";
    QTest::newRow("Save as: codec's extension") << "Save as" << "@/b.avi " << QStringList{"new.mkv"} << "@/b.avi @/new.avi 1";
    QTest::newRow("Save as: no input, as chosen") << "Save as" << " " << QStringList{"a.mkv"} << " @/a.mkv 0";
    QTest::newRow("drop on the dialog") << "drop on vantrel" << " " << QStringList{"a.avi"} << "@/a.avi @/a-Kopie.avi 1";
    QTest::newRow("drop on the info box") << "drop on progressEdit" << " " << QStringList{"a.avi"} << "@/a.avi @/a-Kopie.avi 1";
    QTest::newRow("drop on the output field") << "drop on outputEdit" << " " << QStringList{"a.avi"} << " @/a.avi 0";
    QTest::newRow("drop on Save as") << "drop on saveButton" << " " << QStringList{"a.avi"} << " @/a.avi 0";
    QTest::newRow("drop of two files: refused") << "drop on vantrel" << " " << QStringList{"a.avi", "b.avi"} << "  0";
    QTest::newRow("argument: a file") << "argument" << " " << QStringList{"a.avi"} << "@/a.avi @/a-Kopie.avi 1";
    QTest::newRow("argument: no such file, ignored") << "argument" << " " << QStringList{"none.avi"} << "  0";
    QTest::newRow("drop of words: refused") << "drop on inputEdit" << " " << QStringList() << "  0";
    // clang-format on
}

// The real Qt file dialogs answered as a user would (Save asks no replace question of its own),
// and drops from a file manager, refused before the drop unless they carry one file.
void tst_Dialog::chooseFiles()
{
    QFETCH(QString, how);
    QFETCH(QString, before);
    QFETCH(QStringList, chosen);
    QFETCH(QString, after);
    QFile(m_dir.filePath("a.avi")).open(QIODevice::WriteOnly);
    before.replace("@", m_dir.path());
    auto d = makeDialog(before.section(' ', 0, 0), before.section(' ', 1));
    QStringList seen;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *fd = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!fd || !fd->isVisible())
            return;
        const bool open = fd->acceptMode() == QFileDialog::AcceptOpen;
        seen << fd->windowTitle() + ' ' + fd->nameFilters().join(";;")
                + (open || fd->testOption(QFileDialog::DontConfirmOverwrite) ? "" : " asks");
        fd->findChild<QLineEdit *>("fileNameEdit")->setText(m_dir.filePath(chosen.first()));
        fd->findChild<QDialogButtonBox *>()
            ->button(open ? QDialogButtonBox::Open : QDialogButtonBox::Save)
            ->click();
    });
    answer.start(10);
    if (how.startsWith("drop on ")) {
        QMimeData mime;
        for (const QString &name : chosen)
            mime.setUrls(mime.urls() << QUrl::fromLocalFile(m_dir.filePath(name)));
        mime.setText("some words");
        QWidget *target = how.endsWith("vantrel") ? d.get() : d->findChild<QWidget *>(how.mid(8));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QCOMPARE(enter.isAccepted(), after != "  0");
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
    } else if (how == "argument") { // "vantrel FILE", as a file manager's "Open with" starts it
        d->openFile(m_dir.filePath(chosen.first()));
    } else {
        QTest::mouseClick(how == "Open" ? d->openButton : d->saveButton, Qt::LeftButton);
        QCOMPARE(seen,
                 QStringList(how.left(4)
                             + " File Dialog video (*.avi *.mpg *.mpeg *.flv *.wmv *.mp4 *.mov "
                               "*.mkv *.webm *.m4v *.ts *.mts *.m2ts *.3gp *.ogv *.vob);;All "
                               "Files(*.*)"));
    }
    QCOMPARE(d->inputEdit->text() + ' ' + d->outputEdit->text() + ' '
                 + QString::number(d->convertButton->isEnabled()),
             after.replace("@", m_dir.path()));
}

// What a screen reader says for each control (Qt on Linux names a combo box by its item and by
// the label whose buddy it is), and that it hears the remaining time as shown when it changes.
void tst_Dialog::screenReader()
{
    auto d = makeDialog(m_dir.filePath("a.avi"), m_dir.filePath("copy.avi"));
    QStringList names;
    for (QWidget *control :
         QList<QWidget *>{d->inputEdit, d->outputEdit, d->vauflspinBox, d->hauflspinBox,
                          d->vbitrateSpinBox, d->fpsComboBox, d->ratioComboBox, d->vcodecComboBox,
                          d->acodecComboBox, d->abitrateComboBox, d->channelButtonGroup,
                          d->befehlEdit, d->progressEdit, d->progressBar}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
        const auto labels = iface->relations(QAccessible::Label);
        const bool byValue = iface->text(QAccessible::Name) == iface->text(QAccessible::Value);
        names << (byValue && !labels.isEmpty() ? labels.first().first : iface)
                     ->text(QAccessible::Name);
    }
    QCOMPARE(names.join(", "),
             "Input, Output, Frame width, Frame height, Video bitrate in "
             "kilobit/s, fps, Ratio, Codec, Codec, Bitrate, Audio channels, "
             "Command line, Info, Conversion progress");

    static QStringList announced; // the display's name whenever a change is announced
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::NameChanged
            && qobject_cast<QLCDNumber *>(event->object()))
            announced
                << QAccessible::queryAccessibleInterface(event->object())->text(QAccessible::Name);
    });
    FakeEncoder fake("printf '  Duration: 00:00:10.00, s\\nframe=4 fps=100 time=00:00:04.00 "
                     "speed=2.00x \\r' >&2\nexit 1");
    MessageBoxWatcher boxes;
    d->convertButton->click();
    QTRY_COMPARE(d->progressEdit->toPlainText(), Status::failed);
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    // A copy job's estimate is the time left over the encoder's speed.
    QVERIFY2(announced.contains("0:03") && announced.last() == "ERROR",
             qPrintable(announced.join(' ')));
}

void tst_Dialog::languages_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("texts"); // Convert, Input, the time remaining, a job's end
    QTest::newRow("de: all German") << "de_AT"
                                    << "Konvertieren|Quelle|RESTZEIT|Konvertierung beendet!";
    QTest::newRow("en: all English") << "en_GB"
                                     << "Convert|Input|TIME REMAINING|Conversion finished!";
    QTest::newRow("C: as written") << "C"
                                   << "Convert|Input|TIME REMAINING|Konvertierung beendet!";
    QTest::newRow("fr: none, as written") << "fr_FR"
                                          << "Convert|Input|TIME REMAINING|Konvertierung beendet!";
}

// The form and the messages in the user's language where vantrel has it, as main() sets it up.
void tst_Dialog::languages()
{
    QFETCH(QString, locale);
    QFETCH(QString, texts);
    const Translations translations{QLocale(locale)};
    FakeEncoder fake("for out; do :; done\nprintf x >\"$out\"");
    auto d = makeDialog(m_dir.filePath("a.avi"), fake.path("out.avi"));
    d->convertButton->click();
    QTRY_VERIFY(d->convertButton->isEnabled());
    QCOMPARE(QStringList({d->convertButton->text(), d->inputLabel->text(),
                          d->timeRemainLabel->text(), d->progressEdit->toPlainText()})
                 .join('|'),
             texts);
}

// Runs a helper program to its end: its output, or "failed".
static QString run(const QStringList &command)
{
    QProcess p;
    p.start(command.first(), command.mid(1));
    const bool ok =
        p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return ok ? QString::fromUtf8(p.readAllStandardOutput()).simplified() : "failed";
}

void tst_Dialog::initTestCase()
{
    m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    QTRY_VERIFY(m_bus.canReadLine());
    const QByteArray address = m_bus.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address); // where logind is asked
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromUtf8(address), "desktop");
    QVERIFY(bus.registerVirtualObject("/", &m_desktop, QDBusConnection::SubPath));
    for (const char *service : {"org.freedesktop.Notifications", "org.freedesktop.FileManager1",
                                "org.freedesktop.login1"})
        QVERIFY(bus.registerService(service));
    QVERIFY(bus.connect({}, {}, "com.canonical.Unity.LauncherEntry", "Update", this,
                        SLOT(launcherUpdate(QString, QVariantMap))));
}

// A marker sent now on the dialogs' connection arrives after everything they sent before it,
// such as the notice of an earlier row's job: the lists hold what came up to it.
void tst_Dialog::drainBus()
{
    DesktopBus::notify("marker", QString(), DesktopBus::Ending::Success);
    QTRY_VERIFY(m_notices.value(m_notices.size() - 1).contains("|marker|"));
    m_notices.removeLast();
}

void tst_Dialog::init()
{
    drainBus();
    m_notices.clear();
    m_desktop.shown.clear();
    m_taskbar.clear();
}

void tst_Dialog::ends_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("ends"); // the end messages shown, in order
    QTest::addColumn<QString>("displays"); // the bar and the remaining time at the end
    QTest::addColumn<QString>("text");     // shown while it runs, or in the error box's details

    // The fake encoder's shell scripts; "@" stands for a folder of the fake's own.
    // clang-format off
    const QString start = "for out; do :; done\nprintf x >\"$out\"\ntrap 'echo >>@/terms; exit 255' TERM\necho $$ >@/pid\nprintf '  Duration: 00:00:10.00, s\\n' >&2\n";
    const QString half = "printf 'frame=125 fps=50 size=1kB time=00:00:05.00 x \\r' >&2; sleep 0.05\n";
    const QString full = "printf 'frame=250 fps=50 size=2kB time=00:00:10.00 x \\r' >&2\n";
    const QString big = "printf 'frame=1 size=99999999999kB time=00:00:02.50 x \\r' >&2; sleep 0.05\n";
    const QString hang = "while :; do sleep 0.05; done";
    const auto onStop = [&](const QString &then) { return start + "trap 'echo >>@/terms; " + then + "' TERM\n" + half + hang; };
    const QString ignore = onStop(":");
    const QString reason = "printf '[mp4 @ 0x55] Could not find tag for codec pcm_s16le\\n' >&2\n";
    const QString flood = "awk 'BEGIN { for (i = 0; i < 300000; i++) printf \"error while decoding %d\\n%s\", i, i % 200 ? \"\" : \"frame=1 fps=50 time=00:00:04.00 x \\r\" }' >&2\n";
    const QString split = "printf 'frame=1 fps=25 time=00:00:01.00 x \\rGr\\303' >&2\nwhile [ ! -e @/go ]; do sleep 0.01; done\nprintf '\\274\\303\\237e\\nframe=2 fps=25 time=00:00:02.00 x \\r' >&2\n";
    const QString markup = "printf '<b>In</b> <img>\\nframe=1 fps=25 time=00:00:01.00 x \\r' >&2\n";
    using namespace Status;
    QTest::newRow("exit 0") << start + half + full + "exit 0" << "" << QStringList{finished} << "100 0" << "frame=125";
    QTest::newRow("exit 0, window active: no notice") << start + half + full + "exit 0" << "active" << QStringList{finished} << "100 0" << "";
    QTest::newRow("exit 0 at half the duration: shorter") << start + half + "exit 0" << "" << QStringList{shorter} << "50 0" << "";
    QTest::newRow("exit 0 without an output: an error") << start + full + "rm \"$out\"\nexit 0" << "" << QStringList{noOutput} << "100 ERROR" << "keine Ausgabe geschrieben";
    QTest::newRow("disk too small: asked once, Yes stops") << start + big + hang << "space Yes" << QStringList{stopped} << "25 0" << "nicht genug Platz: frei sind";
    QTest::newRow("disk too small: asked once, No runs on") << start + big + big + full + "exit 0" << "space No" << QStringList{finished} << "100 0" << "";
    QTest::newRow("exit 1 shows its reason") << start + half + reason + "exit 1" << "" << QStringList{failed} << "50 ERROR" << "pcm_s16le";
    QTest::newRow("exit 69: decoding errors") << start + "printf 'decoding error\\n' >&2\nexit 69" << "" << QStringList{failed} << "0 ERROR" << "decoding error";
    QTest::newRow("exit 255: stopped elsewhere") << start + half + "exit 255" << "" << QStringList{stopped} << "50 0" << "";
    QTest::newRow("SIGSEGV") << start + half + "kill -SEGV $$" << "" << QStringList{crashed} << "50 0" << "";
    QTest::newRow("flooded, then success") << start + flood + full + "exit 0" << "" << QStringList{finished} << "100 0" << "";
    QTest::newRow("character split between reads") << start + split + full + "exit 0" << "" << QStringList{finished} << "100 0" << "üße";
    QTest::newRow("encoder text is no markup") << start + markup + "exit 1" << "" << QStringList{failed} << "10 ERROR" << "<b>In</b> <img>";
    QTest::newRow("Stop: ffmpeg ends with 255") << start + half + hang << "stop" << QStringList{stopped} << "50 0" << "";
    QTest::newRow("Stop ignored: killed, reported as a stop") << ignore << "stop" << QStringList{stopped} << "50 0" << "";
    QTest::newRow("Stop: exit 1 while ending is a stop") << onStop("exit 1") << "stop" << QStringList{stopped} << "50 0" << "";
    QTest::newRow("Stop: time to finish a growing output") << onStop("for i in 1 2 3 4 5 6 7 8; do echo >>\"$out\"; sleep 0.1; done; printf \"frame=1 size=1kB time=00:00:06.00 trailer \\r\" >&2; exit 255") << "stop" << QStringList{stopped} << "60 0" << "trailer";
    QTest::newRow("Stop: killed at the deadline") << onStop("while :; do echo >>\"$out\"; sleep 0.1; done") << "stop" << QStringList{stopped} << "50 0" << "";
    QTest::newRow("Convert while stopping: in turn") << ignore << "convert" << QStringList{stopped, finished} << "100 0" << "";
    QTest::newRow("Close while running: no report") << ignore << "close" << QStringList() << "50 0" << "";
    QTest::newRow("Escape while running: no report") << ignore << "Escape" << QStringList() << "50 0" << "";
    QTest::newRow("input '-': an error at once, no wait") << "cat\nprintf 'pipe:: Invalid data found\\n' >&2\nexit 1" << "stdin" << QStringList{failed} << "0 ERROR" << "Invalid data";
    QTest::newRow("no encoder on PATH") << "" << "no encoder" << QStringList{notStarted} << "0 0" << "";
    QTest::newRow("output is the input: refused") << "exit 0" << "same file" << QStringList{sameFile} << "0 0" << "";
    QTest::newRow("output exists: replaced after Yes") << start + "exit 0" << "replace Yes" << QStringList{finished} << "100 0" << "";
    QTest::newRow("output exists: kept after No") << "exit 0" << "replace No" << QStringList() << "0 0" << "";
    QTest::newRow("output exists: kept after Escape") << "exit 0" << "replace Escape" << QStringList() << "0 0" << "";
    // clang-format on
}

// Convert asks before an existing output is replaced (No and Escape keep it and start nothing),
// and a job ends as reported: on screen, in an error box, as a notice and on the taskbar icon.
void tst_Dialog::ends()
{
    QFETCH(QString, script);
    QFETCH(QString, action);
    QFETCH(QStringList, ends);
    QFETCH(QString, displays);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString input = dir.filePath("in.avi"), output = dir.filePath("out & a.avi");
    QFile(input).open(QIODevice::WriteOnly);
    if (action.startsWith("replace"))
        QFile(output).open(QIODevice::WriteOnly);
    const bool runs =
        !QStringList{"same file", "replace No", "replace Escape", "no encoder"}.contains(action);
    FakeEncoder fake(script, action != "no encoder");
    auto d = makeDialog(action == "stdin" ? "-" : input, action == "same file" ? input : output);
    const bool closes = action == "close" || action == "Escape";
    if (action == "active" || closes) {
        d->show();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
    }
    MessageBoxWatcher boxes;
    // Yes or No to the replace question; Escape where the box lacks the button asked for.
    // Converting again replaces the stopped job's output.
    boxes.answer = action.endsWith("Yes") || action == "convert" ? QMessageBox::Yes
        : action.endsWith("No")                                  ? QMessageBox::No
                                                                 : QMessageBox::Ok;
    QStringList shown, endsSeen;
    connect(d->progressEdit, &QTextEdit::textChanged, this, [&] {
        shown << d->progressEdit->toPlainText();
        if (Status::all.contains(shown.last()))
            endsSeen << shown.last();
        if (shown.last().contains("time=00:00:01.00"))
            QFile(fake.path("go")).open(QIODevice::WriteOnly);
    });

    d->convertButton->click();
    if (action == "stop" || action == "convert" || closes) {
        QTRY_COMPARE(d->progressBar->value(), 50);
        QTRY_VERIFY(m_desktop.held()); // the system may not suspend while the job runs
    }
    const qint64 firstPid = fake.pid();
    if (action == "stop" || action == "convert") {
        d->cancelButton->click();
        QVERIFY(d->convertButton->isEnabled()); // at once, before the encoder has ended
        QTRY_VERIFY(!fake.read("terms").isEmpty());
        d->cancelButton->click(); // once the first request has arrived: no second one
    }
    if (action == "convert") {
        fake.setScript("for out; do :; done\nprintf x >\"$out\"\necho $$ >@/pid\nprintf 'frame=1 "
                       "fps=25 time=00:00:02.00 speed=2x \\r' >&2");
        d->convertButton->click();
        QVERIFY(!d->convertButton->isEnabled());
    }
    if (closes) {
        QTimer::singleShot(0, d.get(), [&] {
            action == "close" ? void(d->close()) : QTest::keyClick(d.get(), Qt::Key_Escape);
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!FakeEncoder::runs(firstPid)); // ended before the event loop returned
    }
    QTRY_VERIFY_WITH_TIMEOUT(endsSeen.size() >= ends.size(), 20000);
    QCOMPARE(endsSeen, ends);
    QCOMPARE(QString::number(d->progressBar->value()) + ' ' + d->lcdNumber->accessibleName(),
             displays);
    QCOMPARE(d->convertButton->isEnabled(), !closes);
    QVERIFY(fake.read("terms").count('\n') <= 1);
    QVERIFY(!FakeEncoder::runs(fake.pid()) && !FakeEncoder::runs(firstPid));
    QVERIFY(std::ranges::all_of(shown, [](auto &t) { return t.size() <= 4096; })); // never stalls
    const bool error = ends.contains(Status::failed) || ends.contains(Status::noOutput);
    const bool asked =
        action.startsWith("replace") || action.startsWith("space") || action == "convert";
    QCOMPARE(boxes.seen.size(), asked + error);
    QVERIFY(!error || boxes.seen.last().first() == "vantrel Fehler");
    QVERIFY(!action.startsWith("space") || boxes.seen.first().value(3) == "10000"); // No
    QVERIFY2(text.isEmpty() || (shown + boxes.seen.value(0)).join('|').contains(text),
             qPrintable(shown.join('|').left(500)));
    const QString question = "\n\nDie Ausgabedatei existiert bereits. Soll sie ersetzt werden?";
    if (action.startsWith("replace"))
        QCOMPARE(boxes.seen.first(), (QStringList{"vantrel", output + question, "", "10000"}));
    QCOMPARE(fake.read("args").startsWith("-y\n"), runs);

    drainBus();
    QStringList notices;
    for (const QString &end : ends) {
        const bool error = end == Status::failed || end == Status::noOutput;
        notices << "vantrel|vantrel|" + end + "|out &amp; a.avi|transfer."
                + (end == Status::finished ? "complete|1"
                       : error             ? "error|2"
                                           : "error|1")
                + "|default,Show";
    }
    QCOMPARE(m_notices, action == "active" || action == "same file" ? QStringList() : notices);
    // The default action, of another notice and then of ours, shows the output once.
    for (uint id : m_notices.isEmpty() ? QList<uint>() : QList<uint>{0, m_desktop.lastId - 1})
        QDBusConnection("desktop").send(QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                                                   "org.freedesktop.Notifications",
                                                                   "ActionInvoked")
                                        << id << "default"); // ours came before the marker
    const QString showsOutput = QFile::exists(output)
        ? "ShowItems " + QUrl::fromLocalFile(output).toString()
        : "ShowFolders " + QUrl::fromLocalFile(dir.path()).toString();
    QTRY_COMPARE(m_desktop.shown, m_notices.isEmpty() ? QStringList() : QStringList(showsOutput));
    QTRY_VERIFY(!m_desktop.held()); // no sleep inhibition left
    // Progress on the icon only when the percentage changes; hidden at every end.
    QTRY_VERIFY(!(runs || action == "no encoder")
                || m_taskbar.value(m_taskbar.size() - 1) == "hidden");
    QCOMPARE(m_taskbar.contains("0.5"), script.contains("time=00:00:05.00"));
    for (qsizetype i = 1; i < m_taskbar.size(); ++i)
        QVERIFY(m_taskbar.at(i) != m_taskbar.at(i - 1) || m_taskbar.at(i) == "hidden");
}

void tst_Dialog::realConversions_data()
{
    QTest::addColumn<QString>("choice"); // video and audio codec index, output (@: the input),
                                         // and dvd, mono, stop, file: (the input written so), or
                                         // missing (an ffmpeg without the chosen encoders)
    QTest::addColumn<QString>("end");    // the status at the end
    QTest::addColumn<QString>("probed"); // ffprobe of the output, or of the input when refused:
                                         // each stream's codec with channels or width; for a
                                         // failure, what the error box's details say
    using namespace Status;
    // clang-format off
    QTest::newRow("copy and copy") << "0 0 a.avi" << finished << "mpeg4,160 mp3,1";
    QTest::newRow("huffyuv, wav mono") << "1 1 a.avi mono" << finished << "huffyuv,320 pcm_s16le,1";
    QTest::newRow("mjpeg, mp2") << "2 3 a.avi" << finished << "mjpeg,320 mp2,2";
    QTest::newRow("mpeg1video, mp2") << "3 3 a.mpg" << finished << "mpeg1video,320 mp2,2";
    QTest::newRow("mpeg4, mp3 stereo") << "5 2 a.mp4" << finished << "mpeg4,320 mp3,2";
    QTest::newRow("flv, mp3") << "6 2 a.flv" << finished << "mp3,2 flv1,320";
    QTest::newRow("PAL-DVD") << "0 0 a.mpg dvd" << finished << "dvd_nav_packet mpeg2video,720, ac3,2";
    QTest::newRow("h264, aac") << "7 5 a.mp4" << finished << "h264,320 aac,2";
    QTest::newRow("hevc, aac") << "8 5 a.mp4" << finished << "hevc,320 aac,2";
    QTest::newRow("vp9, opus") << "9 6 a.webm" << finished << "vp9,320 opus,2";
    QTest::newRow("av1, opus") << "10 6 a.mp4" << finished << "av1,320 opus,2";
    QTest::newRow("wav into mp4: the reason in the error box") << "5 1 a.mp4" << failed << "Could not find tag for codec pcm_s16le";
    QTest::newRow("no libx264: the reason in the error box") << "7 5 a.mp4 missing" << failed << "Unknown encoder 'libx264'";
    QTest::newRow("no libx265") << "8 5 a.mp4 missing" << failed << "Unknown encoder 'libx265'";
    QTest::newRow("no libvpx-vp9") << "9 6 a.webm missing" << failed << "Unknown encoder 'libvpx-vp9'";
    QTest::newRow("no libsvtav1") << "10 6 a.mp4 missing" << failed << "Unknown encoder 'libsvtav1'";
    QTest::newRow("no libopus") << "0 6 a.avi missing" << failed << "Unknown encoder 'libopus'";
    QTest::newRow("Stop pressed twice: the .mp4 stays readable") << "5 2 a.mp4 stop" << stopped << "mpeg4,1920 mp3,2";
    QTest::newRow("output file: naming the input: refused") << "0 0 file:@" << notLocal << "mpeg4,160 mp3,1";
    QTest::newRow("input as file:, output the input: refused") << "0 0 @ file:" << sameFile << "mpeg4,160 mp3,1";
    // clang-format on
}

// Real conversions with Debian's ffmpeg, one row per codec family, on a clip generated here;
// what was written is checked with ffprobe, and what was refused leaves the input intact.
void tst_Dialog::realConversions()
{
    QFETCH(QString, choice);
    QFETCH(QString, end);
    QFETCH(QString, probed);
    QString output = choice.section(' ', 2, 2);
    const QString extra = choice.section(' ', 3);
    const bool refused = output.contains('@'), stop = extra == "stop";
    // Stopped at its first report, a long 1080p encode is still running.
    const QString clip = m_dir.filePath(stop ? "long.avi" : "clip.avi");
    QVERIFY(QFile::exists(clip)
            || run({"ffmpeg", "-v", "error", "-f", "lavfi", "-i",
                    QString("testsrc=duration=%1:size=160x120").arg(stop ? 60 : 4), "-f", "lavfi",
                    "-i", "sine=duration=4", "-c:v", "mpeg4", "-c:a", "libmp3lame", clip})
                != "failed");
    std::optional<FakeEncoder> missing;
    if (extra == "missing")
        missing.emplace("for a; do case $a in lib*) printf \"Unknown encoder '%s'\\n\" \"$a\" >&2; "
                        "exit 1;; esac; done");
    QTemporaryDir out;
    auto d = makeDialog(extra == "file:" ? "file:" + clip : clip, out.filePath("a.avi"));
    pickByUser(d->vcodecComboBox, choice.section(' ', 0, 0).toInt());
    pickByUser(d->acodecComboBox, choice.section(' ', 1, 1).toInt());
    if (extra == "dvd")
        d->dvdButton->click();
    d->monoButton->setChecked(extra == "mono");
    d->vauflspinBox->setValue(stop ? 1920 : d->vauflspinBox->value());
    d->hauflspinBox->setValue(stop ? 1080 : d->hauflspinBox->value());
    if (refused)
        d->outputEdit->setText(output.replace("@", clip));
    else
        QCOMPARE(d->outputEdit->text(), out.filePath(output)); // the name follows the codec
    MessageBoxWatcher boxes;
    d->convertButton->click();
    if (stop) {
        QTRY_VERIFY_WITH_TIMEOUT(!d->progressEdit->toPlainText().isEmpty(), 20000);
        d->cancelButton->click();
        d->cancelButton->click();
    }
    QTRY_COMPARE_WITH_TIMEOUT(d->progressEdit->toPlainText(), end, 60000);
    QTRY_VERIFY(d->convertButton->isEnabled());
    if (end == Status::failed)
        QVERIFY2(boxes.seen.value(0).value(2).contains(probed),
                 qPrintable(boxes.seen.value(0).value(2)));
    else
        QCOMPARE(run({"ffprobe", "-v", "error", "-show_entries", "stream=codec_name,channels,width",
                      "-of", "csv=p=0", refused ? clip : out.filePath(output)}),
                 probed);
}

QTEST_MAIN(tst_Dialog)
#include "tst_dialog.moc"
