#include "testsupport.h"
#include "vantrel.h"

#include "desktopbus.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QDropEvent>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace Status;

// A notification server of our own on the private bus.
class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QStringList> calls; // app name, icon, summary, body

public slots:
    uint Notify(const QString &app, uint, const QString &icon, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &, int)
    {
        calls.append({app, icon, summary, body});
        return uint(calls.size());
    }
};

// What the program tells the desktop: notices and taskbar progress on a private session bus
// run by the real dbus-daemon, file drops, accessible names, and the question before an
// existing output file is replaced.
class tst_Desktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void jobEnd_data();
    void jobEnd();
    void drop_data();
    void drop();
    void accessibleNames();
    void replaceQuestion_data();
    void replaceQuestion();

public slots:
    void launcherUpdate(const QString &app, const QVariantMap &properties)
    {
        QCOMPARE(app, QStringLiteral("application://vantrel.desktop"));
        launcher.append(properties);
    }

private:
    QProcess m_bus;
    QTemporaryDir m_dir;
    std::unique_ptr<FakeEncoder> m_fake;
    NotificationService m_service;
    QList<QVariantMap> launcher;
};

void tst_Desktop::initTestCase()
{
    m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
    QTRY_VERIFY(m_bus.canReadLine());
    const QByteArray address = m_bus.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromUtf8(address), "desktop");
    QVERIFY(bus.registerObject("/org/freedesktop/Notifications", &m_service,
                               QDBusConnection::ExportAllSlots));
    QVERIFY(bus.registerService("org.freedesktop.Notifications"));
    QVERIFY(bus.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", this,
                        SLOT(launcherUpdate(QString, QVariantMap))));
}

void tst_Desktop::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus("desktop");
    m_bus.kill();
    m_bus.waitForFinished();
}

void tst_Desktop::init()
{
    m_fake.reset(); // restores PATH before the next one changes it
    m_fake = std::make_unique<FakeEncoder>();
    m_service.calls.clear();
    launcher.clear();
}

void tst_Desktop::jobEnd_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("status");

    const QString reports = "err   Duration: 00:00:10.00, start: 0.000000\\n\n"
                            "err frame=1 fps=100 time=00:00:02.50 speed=2.00x \\r\nsleep 50\n"
                            "err frame=2 fps=100 time=00:00:05.00 speed=2.00x \\r\nsleep 50\n"
                            "err frame=3 fps=100 time=00:00:05.00 speed=2.00x \\r\nsleep 50\n"
                            "err frame=4 fps=100 time=00:00:07.50 speed=2.00x \\r\nsleep 50\n";
    QTest::newRow("success behind another window") << reports + "exit 0" << false << finished;
    QTest::newRow("success in the active window: no notice")
        << reports + "exit 0" << true << finished;
    QTest::newRow("stopped") << reports + "exit 255" << false << stopped;
    QTest::newRow("crash") << reports + "crash 11" << false << crashed;
    QTest::newRow("encoder error") << reports + "exit 1" << false << failed;
    QTest::newRow("failed start") << QString() << false << notStarted;
}

// The end of a job: a notice unless the window is active, and the taskbar progress shown only
// when its percentage changes, then hidden, however the job ended.
void tst_Desktop::jobEnd()
{
    QFETCH(QString, script);
    QFETCH(bool, active);
    QFETCH(QString, status);

    MessageBoxWatcher boxes;
    std::optional<PathOverride> noEncoder;
    if (status == notStarted)
        noEncoder.emplace(QByteArray("/nonexistent"));
    m_fake->setScript(script);
    auto d = makeDialog();
    if (active) {
        d->show();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
    }
    d->inputEdit->setText(m_dir.filePath("in.avi"));
    d->outputEdit->setText(m_dir.filePath("out & more.avi"));
    d->convertButton->setEnabled(true);
    d->convertButton->click();
    QTRY_COMPARE(d->progressEdit->toPlainText(), status);
    QTRY_VERIFY(!launcher.isEmpty() && !launcher.last().value("progress-visible").toBool());

    // A marker sent after the job's end on the same connection arrives after any notice.
    DesktopBus::notify("marker", QString());
    QTRY_VERIFY(!m_service.calls.isEmpty() && m_service.calls.last().at(2) == "marker");
    m_service.calls.removeLast();
    if (active)
        QVERIFY(m_service.calls.isEmpty());
    else
        QCOMPARE(m_service.calls,
                 (QList<QStringList>{{"vantrel", "vantrel", status, "out &amp; more.avi"}}));

    QList<double> shown;
    for (const QVariantMap &update : launcher.first(launcher.size() - 1)) {
        QVERIFY(update.value("progress-visible").toBool());
        shown << update.value("progress").toDouble();
    }
    if (status != notStarted)
        QCOMPARE(shown, (QList<double>{0.25, 0.5, 0.75}));
    else
        QVERIFY(shown.isEmpty());
}

void tst_Desktop::drop_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("input");  // after the drop; empty: refused
    QTest::addColumn<QString>("output"); // after the drop

    const QString film = m_dir.filePath("film.avi");
    QFile(film).open(QIODevice::WriteOnly);
    QFile(m_dir.filePath("other.avi")).open(QIODevice::WriteOnly);
    const QUrl filmUrl = QUrl::fromLocalFile(film);
    const QUrl otherUrl = QUrl::fromLocalFile(m_dir.filePath("other.avi"));

    const QString copy = m_dir.filePath("film-Kopie.avi"); // derived: copy keeps ".avi"
    QTest::newRow("file on the dialog") << "dialog" << QList{filmUrl} << QString() << film << copy;
    QTest::newRow("file on the info box")
        << "progressEdit" << QList{filmUrl} << QString() << film << copy;
    QTest::newRow("file on the output field")
        << "outputEdit" << QList{filmUrl} << QString() << QString() << film;
    QTest::newRow("file on Save as")
        << "saveButton" << QList{filmUrl} << QString() << QString() << film;
    QTest::newRow("path as text") << "inputEdit" << QList<QUrl>() << film << film << copy;
    QTest::newRow("two files") << "dialog" << QList{filmUrl, otherUrl} << QString() << QString()
                               << QString();
    QTest::newRow("folder") << "dialog" << QList{QUrl::fromLocalFile(m_dir.path())} << QString()
                            << QString() << QString();
    QTest::newRow("remote URL") << "dialog" << QList{QUrl("https://example.org/film.avi")}
                                << QString() << QString() << QString();
    QTest::newRow("text naming no file")
        << "inputEdit" << QList<QUrl>() << "just some words" << QString() << QString();
}

// A file dropped from a file manager acts as the Open or Save as dialog would; anything else
// is refused before the drop, so the cursor shows the refusal.
void tst_Desktop::drop()
{
    QFETCH(QString, target);
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, text);
    QFETCH(QString, input);
    QFETCH(QString, output);

    auto d = makeDialog();
    QWidget *widget = target == "dialog" ? d.get() : d->findChild<QWidget *>(target);
    QVERIFY(widget);
    QMimeData mime;
    if (!urls.isEmpty())
        mime.setUrls(urls);
    if (!text.isEmpty())
        mime.setText(text);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    const bool accepted = !input.isEmpty() || !output.isEmpty();
    QCOMPARE(enter.isAccepted(), accepted);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    QCOMPARE(d->inputEdit->text(), input);
    QCOMPARE(d->outputEdit->text(), output);
    QCOMPARE(d->convertButton->isEnabled(), !input.isEmpty());

    // Typing and pasting still reach the fields.
    QApplication::clipboard()->setText("pasted");
    d->outputEdit->clear();
    QTest::keyClicks(d->outputEdit, "typed ");
    QTest::keyClick(d->outputEdit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(d->outputEdit->text(), QStringLiteral("typed pasted"));
}

// A screen reader tells every control by what it is, not by its value or its group's title.
// Qt on Linux names a combo box by its current item, and by the label whose buddy it is.
void tst_Desktop::accessibleNames()
{
    auto d = makeDialog();
    const QList<QWidget *> controls{d->inputEdit,        d->outputEdit,         d->vauflspinBox,
                                    d->hauflspinBox,     d->vbitrateSpinBox,    d->fpsComboBox,
                                    d->ratioComboBox,    d->vcodecComboBox,     d->acodecComboBox,
                                    d->abitrateComboBox, d->channelButtonGroup, d->befehlEdit,
                                    d->progressEdit,     d->progressBar};
    QStringList names;
    for (QWidget *control : controls) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
        QString name = iface->text(QAccessible::Name);
        if (name == iface->text(QAccessible::Value)
            && !iface->relations(QAccessible::Label).isEmpty())
            name = iface->relations(QAccessible::Label).first().first->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && name != iface->text(QAccessible::Value) && name != "Video"
                     && name != "Audio",
                 qPrintable(control->objectName() + ": " + name));
        names << name;
    }
    QCOMPARE(names.first(2), (QStringList{"Input", "Output"}));

    static QList<QObject *> changed;
    changed.clear();
    // As when a screen reader listens: only then does Qt pass changes on.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::NameChanged)
            changed << event->object();
    });
    m_fake->setScript(
        "err   Duration: 00:00:10.00, start: 0.000000\\n\n"
        "err frame=4 fps=100 time=00:00:04.00 speed=2.00x \\r\nsigterm exit255\nhang");
    d->inputEdit->setText(m_dir.filePath("in.avi"));
    d->outputEdit->setText(m_dir.filePath("copy.avi"));
    d->convertButton->setEnabled(true);
    d->convertButton->click();
    // A copy job's estimate: (10 s - 4 s) at twice real time.
    QTRY_COMPARE(d->lcdNumber->accessibleName(), QStringLiteral("0:03"));
    QCOMPARE(QAccessible::queryAccessibleInterface(d->lcdNumber)->text(QAccessible::Name),
             QStringLiteral("0:03"));
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QVERIFY(changed.contains(d->lcdNumber));
    d->cancelButton->click();
    QTRY_COMPARE(d->progressEdit->toPlainText(), stopped);
}

void tst_Desktop::replaceQuestion_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("runs");

    QTest::newRow("new file: no question") << false << 0 << true;
    QTest::newRow("existing file, Yes") << true << int(QMessageBox::Yes) << true;
    QTest::newRow("existing file, No") << true << int(QMessageBox::No) << false;
    QTest::newRow("existing file, Escape") << true << 0 << false;
}

// Convert asks once before an existing output file is replaced; No keeps it and starts nothing.
void tst_Desktop::replaceQuestion()
{
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(bool, runs);

    const QString output = m_dir.filePath("old.mpg");
    QFile::remove(output);
    if (exists) {
        QFile file(output);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    MessageBoxWatcher boxes;
    boxes.answer = answer;
    m_fake->setScript("exit 0");
    auto d = makeDialog();
    d->inputEdit->setText(m_dir.filePath("film.avi"));
    d->outputEdit->setText(output);
    d->convertButton->setEnabled(true);
    d->convertButton->click();
    if (runs)
        QTRY_COMPARE(d->progressEdit->toPlainText(), finished);
    QCOMPARE(boxes.seen.size(), exists ? 1 : 0);
    if (exists) {
        QCOMPARE(boxes.seen.first().title, QStringLiteral("vantrel"));
        QCOMPARE(boxes.seen.first().text,
                 output + "\n\nDie Ausgabedatei existiert bereits. Soll sie ersetzt werden?");
        QCOMPARE(boxes.seen.first().defaultButton, int(QMessageBox::No));
    }
    QCOMPARE(m_fake->receivedArguments().value(0), runs ? QStringLiteral("-y") : QString());
    QCOMPARE(d->befehlEdit->toPlainText().isEmpty(), !runs);
    QCOMPARE(d->convertButton->isEnabled(), true);
    if (exists && !runs) {
        QFile file(output);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
