// The dialog as it stands right after start-up, before any user action: the widget tree, its
// texts and choice lists, focus order, palette, the embedded picture, and the program's exit
// status when the window is closed.

#include "choices.h"
#include "testsupport.h"
#include "vantrel.h"

#include <QFile>
#include <QImageReader>
#include <QLCDNumber>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

namespace {

const QString picturePath = QStringLiteral(":/pics/tesk.jpg");

// Every QObject member of the form class, in member order (the spacer is checked on its own).
QList<std::pair<QString, QObject *>> members(vantrel &d)
{
    // clang-format off
    return {{"progressBar", d.progressBar}, {"groupBox", d.groupBox},
            {"hauflspinBox", d.hauflspinBox}, {"ratioLabel", d.ratioLabel},
            {"bitrateLabel", d.bitrateLabel}, {"xLabel", d.xLabel},
            {"fpsLabel", d.fpsLabel}, {"vbitrateSpinBox", d.vbitrateSpinBox},
            {"vauflspinBox", d.vauflspinBox}, {"fpsComboBox", d.fpsComboBox},
            {"dvdButton", d.dvdButton}, {"codecLabel", d.codecLabel},
            {"vcodecComboBox", d.vcodecComboBox}, {"vkilobitLabel", d.vkilobitLabel},
            {"Aufloesung", d.Aufloesung}, {"ratioComboBox", d.ratioComboBox},
            {"groupBox_2", d.groupBox_2}, {"layout6", d.layout6}, {"_2", d._2},
            {"acodecComboBox", d.acodecComboBox}, {"acodecLabel", d.acodecLabel},
            {"abitrateLabel", d.abitrateLabel}, {"abitrateComboBox", d.abitrateComboBox},
            {"channelButtonGroup", d.channelButtonGroup}, {"monoButton", d.monoButton},
            {"stereoButton", d.stereoButton}, {"commandGroupBox", d.commandGroupBox},
            {"befehlEdit", d.befehlEdit}, {"layoutWidget", d.layoutWidget},
            {"horizontalLayout", d.horizontalLayout}, {"convertButton", d.convertButton},
            {"cancelButton", d.cancelButton}, {"closeButton", d.closeButton},
            {"infoGroupBox", d.infoGroupBox}, {"progressEdit", d.progressEdit},
            {"timeRemainLabel", d.timeRemainLabel}, {"lcdNumber", d.lcdNumber},
            {"inputLabel", d.inputLabel}, {"inputEdit", d.inputEdit},
            {"openButton", d.openButton}, {"outputLabel", d.outputLabel},
            {"outputEdit", d.outputEdit}, {"saveButton", d.saveButton}};
    // clang-format on
}

template<typename T> QVariant v(T value)
{
    return QVariant::fromValue(value);
}

const QVariant rightCentred = v(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
const QVariant centred = v(Qt::Alignment(Qt::AlignCenter));

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void members_data();
    void members();
    void dialogProperties();
    void focusChain();
    void enterClicksNoButton();
    void palette_data();
    void palette();
    void whatsThis();
    void choiceListsMatchTheTable();
    void picture();
    void closingExitsWithZero_data();
    void closingExitsWithZero();
};

void TestForm::members_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry"); // null where a layout places the widget
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("pointSize"); // 0 for the layouts
    QTest::addColumn<QVariantMap>("properties");
    QTest::addColumn<QStringList>("items"); // combo boxes

    const auto row = [](const char *name, const char *cls, const char *parent, QRect geometry,
                        bool enabled, int pointSize, const QVariantMap &properties,
                        const QStringList &items = {}) {
        QTest::newRow(name) << QString::fromLatin1(cls) << QString::fromLatin1(parent) << geometry
                            << enabled << pointSize << properties << items;
    };
    const auto label = [](const QString &text) {
        return QVariantMap{{"alignment", rightCentred}, {"wordWrap", false}, {"text", text}};
    };
    const auto title = [](const QString &text) { return QVariantMap{{"title", text}}; };
    const auto button = [](const QString &text, bool enabled = true) {
        return QVariantMap{
            {"text", text}, {"autoDefault", false}, {"default", false}, {"enabled", enabled}};
    };
    const auto spin = [](int maximum, int step, int value) {
        return QVariantMap{{"minimum", 0},
                           {"maximum", maximum},
                           {"singleStep", step},
                           {"value", value},
                           {"text", QString::number(value)}};
    };
    const auto combo = [](int index, const QString &current) {
        return QVariantMap{{"currentIndex", index}, {"currentText", current}};
    };
    const QVariantMap noFocus{{"focusPolicy", v(Qt::NoFocus)}, {"plainText", QString()}};
    QVariantMap convert = button("Convert", false);
    convert.insert("minimumSize", QSize(0, 0));
    convert.insert("baseSize", QSize(0, 0));
    const QVariantMap margins{{"spacing", 6}, {"contentsMargins", v(QMargins(0, 0, 0, 0))}};

    row("progressBar", "QProgressBar", "vantrel", {50, 600, 481, 23}, true, 10,
        {{"value", 0}, {"minimum", 0}, {"maximum", 100}});
    row("groupBox", "QGroupBox", "vantrel", {60, 60, 461, 181}, true, 10, title("Video"));
    row("hauflspinBox", "QSpinBox", "groupBox", {170, 100, 60, 22}, false, 10, spin(1080, 2, 240));
    row("ratioLabel", "QLabel", "groupBox", {260, 100, 51, 22}, true, 10, label("Ratio"));
    row("bitrateLabel", "QLabel", "groupBox", {180, 140, 60, 22}, true, 10, label("Bitrate"));
    row("xLabel", "QLabel", "groupBox", {150, 100, 16, 22}, true, 12,
        {{"alignment", centred}, {"wordWrap", false}, {"text", "X"}});
    row("fpsLabel", "QLabel", "groupBox", {30, 140, 41, 20}, true, 10, label("fps"));
    row("vbitrateSpinBox", "QSpinBox", "groupBox", {260, 140, 71, 22}, false, 10,
        spin(10000, 1, 8000));
    row("vauflspinBox", "QSpinBox", "groupBox", {87, 101, 59, 22}, false, 10, spin(1920, 2, 320));
    row("fpsComboBox", "QComboBox", "groupBox", {90, 140, 60, 22}, false, 10, combo(1, "25"),
        {"30", "25", "24"});
    row("dvdButton", "QRadioButton", "groupBox", {180, 20, 107, 20}, true, 10,
        {{"text", "PAL-DVD"}, {"checked", false}});
    row("codecLabel", "QLabel", "groupBox", {100, 60, 61, 22}, true, 10, label("Codec"));
    row("vcodecComboBox", "QComboBox", "groupBox", {180, 60, 90, 22}, true, 10, combo(0, "copy"),
        {"copy", "huffyuv", "mjpeg", "mpeg1video", "mpeg2video", "mpeg4", "flv"});
    row("vkilobitLabel", "QLabel", "groupBox", {340, 140, 82, 22}, true, 10,
        {{"alignment", v(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter))},
         {"wordWrap", false},
         {"text", "Kilobit/s"}});
    row("Aufloesung", "QLabel", "groupBox", {20, 100, 51, 22}, true, 10, label("Size"));
    row("ratioComboBox", "QComboBox", "groupBox", {330, 100, 60, 22}, false, 10, combo(0, "4:3"),
        {"4:3", "16:9"});
    row("groupBox_2", "QGroupBox", "vantrel", {60, 250, 461, 111}, true, 10, title("Audio"));
    row("layout6", "QWidget", "groupBox_2", {50, 20, 161, 80}, true, 10, {});
    row("_2", "QGridLayout", "layout6", {}, true, 0, margins);
    row("acodecComboBox", "QComboBox", "layout6", {}, true, 10, combo(0, "copy"),
        {"copy", "wav", "mp3", "mp2", "ac3"});
    row("acodecLabel", "QLabel", "layout6", {}, true, 10, {{"wordWrap", false}, {"text", "Codec"}});
    row("abitrateLabel", "QLabel", "layout6", {}, true, 10,
        {{"wordWrap", false}, {"text", "Bitrate"}});
    row("abitrateComboBox", "QComboBox", "layout6", {}, false, 10, combo(1, "224k"),
        {"256k", "224k", "192k", "128k", "64k"});
    row("channelButtonGroup", "QGroupBox", "groupBox_2", {250, 20, 171, 71}, false, 10,
        title("Channel"));
    row("monoButton", "QRadioButton", "channelButtonGroup", {20, 30, 71, 20}, false, 10,
        {{"text", "Mono"}, {"checked", false}});
    row("stereoButton", "QRadioButton", "channelButtonGroup", {100, 30, 70, 20}, false, 10,
        {{"text", "Stereo"}, {"checked", true}});
    row("commandGroupBox", "QGroupBox", "vantrel", {50, 420, 481, 81}, true, 10, title("Command"));
    row("befehlEdit", "QTextEdit", "commandGroupBox", {0, 20, 481, 61}, true, 9, noFocus);
    row("layoutWidget", "QWidget", "vantrel", {70, 640, 441, 35}, true, 10, {});
    row("horizontalLayout", "QHBoxLayout", "layoutWidget", {}, true, 0, margins);
    row("convertButton", "QPushButton", "layoutWidget", {}, false, 12, convert);
    row("cancelButton", "QPushButton", "layoutWidget", {}, true, 10, button("Stop"));
    row("closeButton", "QPushButton", "layoutWidget", {}, true, 10, button("Close"));
    row("infoGroupBox", "QGroupBox", "vantrel", {50, 500, 481, 51}, true, 10, title("Info"));
    row("progressEdit", "QTextEdit", "infoGroupBox", {0, 20, 481, 31}, true, 11, noFocus);
    row("timeRemainLabel", "QLabel", "vantrel", {100, 560, 171, 31}, true, 12,
        {{"alignment", rightCentred}, {"text", "TIME REMAINING"}});
    row("lcdNumber", "QLCDNumber", "vantrel", {290, 560, 111, 31}, true, 10,
        {{"digitCount", 7}, {"segmentStyle", v(QLCDNumber::Flat)}, {"value", 0.0}});
    row("inputLabel", "QLabel", "vantrel", {10, 20, 41, 28}, true, 10, label("Input"));
    row("inputEdit", "QLineEdit", "vantrel", {63, 23, 402, 24}, true, 10, {{"text", QString()}});
    row("openButton", "QPushButton", "vantrel", {475, 21, 75, 28}, true, 10, button("Open"));
    row("outputLabel", "QLabel", "vantrel", {0, 380, 51, 28}, true, 10, label("Output"));
    row("outputEdit", "QLineEdit", "vantrel", {62, 383, 403, 24}, true, 10, {{"text", QString()}});
    row("saveButton", "QPushButton", "vantrel", {475, 381, 75, 28}, true, 10, button("Save as"));
}

void TestForm::members()
{
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(bool, enabled);
    QFETCH(int, pointSize);
    QFETCH(QVariantMap, properties);
    QFETCH(QStringList, items);

    const auto dialog = makeDialog();
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QObject *object = nullptr;
    for (const auto &[member, pointer] : ::members(*dialog))
        if (member == name)
            object = pointer;
    QVERIFY(object);
    QCOMPARE(object->objectName(), name);
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    QVERIFY(object->parent());
    QCOMPARE(object->parent()->objectName(), parentName);

    if (auto *widget = qobject_cast<QWidget *>(object)) {
        if (!geometry.isNull())
            QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->isEnabled(), enabled);
        QCOMPARE(widget->font().pointSize(), pointSize);
        QVERIFY(widget->toolTip().isEmpty());
        QVERIFY(widget->whatsThis().isEmpty());
    }
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        const QVariant actual = object->property(it.key().toLatin1());
        QVERIFY2(actual.isValid(), qPrintable(it.key()));
        QVERIFY2(
            actual == it.value(),
            qPrintable(QStringLiteral("%1: %2, expected %3")
                           .arg(it.key(), QDebug::toString(actual), QDebug::toString(it.value()))));
    }
    if (auto *box = qobject_cast<QComboBox *>(object)) {
        QStringList actual;
        for (int i = 0; i < box->count(); ++i)
            actual << box->itemText(i);
        QCOMPARE(actual, items);
    }
}

// Members are created in member order, so a depth-first walk of the dialog's children meets
// them in that order.
void TestForm::dialogProperties()
{
    const auto dialog = makeDialog();
    QCOMPARE(dialog->objectName(), QStringLiteral("vantrel"));
    QCOMPARE(dialog->size(), QSize(581, 700));
    QCOMPARE(dialog->font().pointSize(), 10);
    QCOMPARE(dialog->font().bold(), false);
    QCOMPARE(dialog->font().weight(), QFont::Normal);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("vantrel " VANTREL_VERSION));
    // No layout of its own: every widget keeps its place when the window is resized.
    QVERIFY(!dialog->layout());

    // The form names the dialog only when it has no name yet.
    QDialog named;
    named.setObjectName(QStringLiteral("mine"));
    Ui::vantrel form;
    form.setupUi(&named);
    QCOMPARE(named.objectName(), QStringLiteral("mine"));
}

// Tab walks the focusable members in this order and wraps around.
void TestForm::focusChain()
{
    const auto dialog = makeDialog();
    const QList<QWidget *> expected{
        dialog->inputEdit,      dialog->openButton,       dialog->dvdButton,
        dialog->vcodecComboBox, dialog->vauflspinBox,     dialog->hauflspinBox,
        dialog->ratioComboBox,  dialog->fpsComboBox,      dialog->vbitrateSpinBox,
        dialog->acodecComboBox, dialog->abitrateComboBox, dialog->monoButton,
        dialog->stereoButton,   dialog->outputEdit,       dialog->saveButton,
        dialog->convertButton,  dialog->cancelButton,     dialog->closeButton};
    QList<QObject *> memberObjects;
    for (const auto &member : ::members(*dialog))
        memberObjects << member.second;

    QList<QWidget *> chain{dialog->inputEdit};
    for (QWidget *w = dialog->inputEdit->nextInFocusChain(); w != dialog->inputEdit;
         w = w->nextInFocusChain()) {
        QVERIFY(w);
        if (memberObjects.contains(w) && (w->focusPolicy() & Qt::TabFocus))
            chain << w;
    }
    QCOMPARE(chain, expected);
}

// No button is default or auto-default, so Enter never clicks one, whatever has the focus.
void TestForm::enterClicksNoButton()
{
    const auto dialog = makeDialog();
    dialog->convertButton->setEnabled(true);
    const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 5);
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QPushButton *button : buttons)
        spies.push_back(std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));

    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QList<QWidget *> targets{dialog->inputEdit};
    for (QPushButton *button : buttons)
        targets << button;
    for (QWidget *target : targets) {
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
    }
    for (QPushButton *button : buttons)
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    for (const auto &spy : spies)
        QCOMPARE(spy->count(), 0);
    QVERIFY(dialog->isVisible());
}

void TestForm::palette_data()
{
    QTest::addColumn<QPalette::ColorGroup>("group");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QColor>("color");

    const QColor black(0, 0, 0), grey(130, 130, 130);
    QTest::newRow("active text") << QPalette::Active << QPalette::Text << black;
    QTest::newRow("active button text") << QPalette::Active << QPalette::ButtonText << black;
    QTest::newRow("inactive text") << QPalette::Inactive << QPalette::Text << black;
    QTest::newRow("inactive button text") << QPalette::Inactive << QPalette::ButtonText << black;
    QTest::newRow("disabled text") << QPalette::Disabled << QPalette::Text << grey;
    QTest::newRow("disabled button text") << QPalette::Disabled << QPalette::ButtonText << grey;
}

void TestForm::palette()
{
    QFETCH(QPalette::ColorGroup, group);
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QColor, color);

    const auto dialog = makeDialog();
    for (const QWidget *widget :
         {static_cast<QWidget *>(dialog.get()), static_cast<QWidget *>(dialog->convertButton),
          static_cast<QWidget *>(dialog->befehlEdit)}) {
        const QBrush brush = widget->palette().brush(group, role);
        QCOMPARE(brush.style(), Qt::SolidPattern);
        QCOMPARE(brush.color(), color);
        QCOMPARE(brush.color().alpha(), 255);
    }
    // Every other role of the group stays as in the default palette.
    const QPalette defaults;
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto other = QPalette::ColorRole(r);
        if (other != QPalette::Text && other != QPalette::ButtonText)
            QCOMPARE(dialog->palette().brush(group, other), defaults.brush(group, other));
    }
}

// The program reads the meaning of a list item from its position: form and table must agree.
void TestForm::choiceListsMatchTheTable()
{
    auto d = makeDialog();
    const auto items = [](QComboBox *box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    };
    const auto texts = [](const auto &table) {
        QStringList list;
        for (const auto &entry : table) {
            if constexpr (requires { entry.item; })
                list << Choices::text(entry.item);
            else
                list << Choices::text(entry);
        }
        return list;
    };
    QCOMPARE(items(d->vcodecComboBox), texts(Choices::videoCodecs));
    QCOMPARE(items(d->acodecComboBox), texts(Choices::audioCodecs));
    QCOMPARE(items(d->fpsComboBox), texts(Choices::frameRates));
    QCOMPARE(items(d->ratioComboBox), texts(Choices::aspects));
    QCOMPARE(items(d->abitrateComboBox), texts(Choices::audioBitrates));
}

void TestForm::whatsThis()
{
    const auto dialog = makeDialog();
    QTextDocument document;
    document.setHtml(dialog->whatsThis());
    QCOMPARE(document.firstBlock().text(), QStringLiteral("vantrel " VANTREL_VERSION));

    QStringList images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images << it.fragment().charFormat().toImageFormat().name();
    }
    QCOMPARE(images, QStringList{picturePath});
    QCOMPARE(document.lastBlock().text(), QString(QChar::ObjectReplacementCharacter));
}

void TestForm::picture()
{
    QFile file(picturePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    // SOI, then an APP0 "JFIF\0" segment of version 1.01 with a density of 72 x 72 dots per inch.
    const QByteArray jfif101("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x01\x00\x48\x00\x48", 18);
    QCOMPARE(data.left(jfif101.size()).toHex(' '), jfif101.toHex(' '));

    QImageReader reader(picturePath);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), QSize(150, 179));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(150, 179));

    // The frame header is baseline (SOF0): 8 bits, 179 rows, 150 columns, three components.
    const qsizetype sof = data.indexOf(QByteArray("\xFF\xC0", 2));
    QVERIFY(sof > 0);
    QCOMPARE(data.mid(sof + 4, 6).toHex(' '), QByteArray("08 00 b3 00 96 03"));
    QCOMPARE(data.indexOf(QByteArray("\xFF\xC2", 2)), -1);
}

void TestForm::closingExitsWithZero_data()
{
    QTest::addColumn<bool>("viaButton");
    QTest::newRow("window closed") << false;
    QTest::newRow("Close button") << true;
}

// As the program does: a dialog made with new and shown, then the application's event loop.
void TestForm::closingExitsWithZero()
{
    QFETCH(bool, viaButton);

    auto *dialog = new vantrel;
    const std::unique_ptr<vantrel> owner(dialog); // the test, unlike the program, cleans up
    dialog->setEncoderCheckPath(QCoreApplication::applicationFilePath());
    dialog->show();
    if (viaButton)
        QTimer::singleShot(0, dialog->closeButton, &QPushButton::click);
    else
        QTimer::singleShot(0, dialog, &QWidget::close);
    // Should the event loop outlive the dialog, end it with a status the test rejects.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);

    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!dialog->isVisible());
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
