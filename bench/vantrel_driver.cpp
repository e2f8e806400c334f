// SPDX-FileCopyrightText: 2026 The vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real dialog headless to measure what vantrel adds to a conversion.
//
//   vantrel_driver overhead PAIRS VCODEC ACODEC INPUT OUTPUT
//       PAIRS times, alternating which goes first: the dialog converts INPUT (codec box
//       indices VCODEC, ACODEC) until "Konvertierung beendet!", and ffmpeg alone runs the
//       argument list the dialog showed in befehlEdit. Prints wall and CPU times per run.
//   vantrel_driver startup RUNS
//       Launches itself RUNS times each as "show dialog" and "show bare", alternating, and
//       prints the time from launch until the first frame and the idle resident memory.
//   vantrel_driver show dialog|bare
//       One start: the vantrel dialog, or a plain QDialog of the same size. Prints the
//       monotonic time of the first finished paint and VmRSS after a second of idling.
//   vantrel_driver flood SECONDS FAKEBIN
//       The fake encoder in FAKEBIN floods stderr for SECONDS while the dialog runs the job;
//       a 10 ms timer measures how late the event loop serves it, and VmRSS is sampled.
//
// Run with QT_QPA_PLATFORM=offscreen (bench/run.sh does).
#include "vantrel.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

const QString doneText = QStringLiteral("Konvertierung beendet!");

double seconds(const timeval &tv)
{
    return static_cast<double>(tv.tv_sec) + static_cast<double>(tv.tv_usec) / 1e6;
}

double cpuSeconds(const rusage &ru)
{
    return seconds(ru.ru_utime) + seconds(ru.ru_stime);
}

double cpuSeconds(int who)
{
    rusage ru{};
    getrusage(who, &ru);
    return cpuSeconds(ru);
}

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<qint64>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

long procStatusKb(const QByteArray &field,
                  const QString &file = QStringLiteral("/proc/self/status"))
{
    QFile status(file);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t at = std::min(values.size() - 1,
                               static_cast<size_t>(p / 100 * static_cast<double>(values.size())));
    return values[at];
}

// Waits until progressEdit shows one of the end reports; returns it.
QString runToEnd(vantrel &dialog)
{
    QEventLoop loop;
    QString result;
    QObject::connect(dialog.progressEdit, &QTextEdit::textChanged, &loop, [&] {
        const QString text = dialog.progressEdit->toPlainText();
        if (text == doneText || text.startsWith(u"Konvertierung ABGEBROCHEN")
            || text.startsWith(u"CONVERSION CRASHED") || text.startsWith(u"FEHLER")) {
            result = text;
            loop.quit();
        }
    });
    dialog.convertButton->click();
    loop.exec();
    return result;
}

void fillForm(vantrel &dialog, const QString &input, const QString &output, int vcodec, int acodec)
{
    dialog.inputEdit->setText(input);
    dialog.outputEdit->setText(output);
    dialog.convertButton->setEnabled(true);
    // As a user's pick: activated() switches the video widgets, the index the extension.
    dialog.vcodecComboBox->setCurrentIndex(vcodec);
    emit dialog.vcodecComboBox->activated(vcodec);
    dialog.acodecComboBox->setCurrentIndex(acodec);
}

// Lets the window paint its first frames and run its start-up check, so that this one-off
// cost is not counted as part of a job.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Run
{
    double wall = 0;
    double selfCpu = 0;
    double encoderCpu = 0;
};

// One job in the dialog, which stays open from job to job as in a user's session.
Run runDialog(vantrel &dialog, const QString &input, const QString &output, int vcodec, int acodec,
              QStringList *arguments)
{
    fillForm(dialog, input, output, vcodec, acodec);
    // "Convert" would ask before replacing the previous run's file; nobody is there to answer.
    QFile::remove(dialog.outputEdit->text());
    settle();
    rusage self0{}, child0{};
    getrusage(RUSAGE_SELF, &self0);
    getrusage(RUSAGE_CHILDREN, &child0);
    const qint64 t0 = monotonicNs();
    const QString end = runToEnd(dialog);
    const qint64 t1 = monotonicNs();
    rusage self1{}, child1{};
    getrusage(RUSAGE_SELF, &self1);
    getrusage(RUSAGE_CHILDREN, &child1);
    if (end != doneText) {
        std::fprintf(stderr, "dialog run ended with \"%s\"\n", qPrintable(end));
        std::exit(1);
    }
    *arguments = dialog.befehlEdit->toPlainText().split(u' ');
    arguments->removeFirst(); // the program name
    return {static_cast<double>(t1 - t0) / 1e9, cpuSeconds(self1) - cpuSeconds(self0),
            cpuSeconds(child1) - cpuSeconds(child0)};
}

// ffmpeg alone, with what vantrel gives it: an open but silent stdin pipe, stdout discarded;
// its stderr goes to /dev/null, the cheapest place it can go.
Run runDirect(const QStringList &arguments)
{
    std::vector<QByteArray> storage{QByteArrayLiteral("ffmpeg")};
    for (const QString &a : arguments)
        storage.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &a : storage)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int stdinPipe[2];
    if (pipe2(stdinPipe, O_CLOEXEC) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, stdinPipe[0], 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const qint64 t0 = monotonicNs();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "ffmpeg", &actions, nullptr, argv.data(), environ) != 0) {
        std::perror("posix_spawnp ffmpeg");
        std::exit(1);
    }
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    const qint64 t1 = monotonicNs();
    posix_spawn_file_actions_destroy(&actions);
    close(stdinPipe[0]);
    close(stdinPipe[1]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "ffmpeg alone failed (status %d)\n", status);
        std::exit(1);
    }
    return {static_cast<double>(t1 - t0) / 1e9, 0, cpuSeconds(ru)};
}

// CPU the driver spends with a shown dialog and nothing to do, per second of wall time.
double idleCpuPerSecond()
{
    vantrel dialog;
    dialog.show();
    settle();
    QEventLoop loop;
    const double cpu0 = cpuSeconds(RUSAGE_SELF);
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    return (cpuSeconds(RUSAGE_SELF) - cpu0) / 2.0;
}

int overhead(int pairs, int vcodec, int acodec, const QString &input, const QString &output)
{
    std::printf("idle CPU of the shown dialog: %.6f s per s\n", idleCpuPerSecond());
    std::vector<double> ratios, shares, dialogWalls, directWalls, selfCpus, encoderCpus;
    QStringList arguments;
    vantrel dialog;
    dialog.show();
    runDialog(dialog, input, output, vcodec, acodec, &arguments); // warm-up: page cache, libraries
    runDirect(arguments);
    std::printf("arguments: %s\n", qPrintable(arguments.join(u' ')));
    std::printf("%4s %10s %10s %8s %12s %12s %9s\n", "pair", "vantrel_s", "ffmpeg_s", "ratio",
                "vantrel_cpu", "encoder_cpu", "cpu_share");
    for (int i = 0; i < pairs; ++i) {
        Run viaDialog, alone;
        if (i % 2 == 0) {
            viaDialog = runDialog(dialog, input, output, vcodec, acodec, &arguments);
            alone = runDirect(arguments);
        } else {
            alone = runDirect(arguments);
            viaDialog = runDialog(dialog, input, output, vcodec, acodec, &arguments);
        }
        const double ratio = viaDialog.wall / alone.wall;
        const double share = viaDialog.selfCpu / viaDialog.encoderCpu;
        ratios.push_back(ratio);
        shares.push_back(share);
        dialogWalls.push_back(viaDialog.wall);
        directWalls.push_back(alone.wall);
        selfCpus.push_back(viaDialog.selfCpu);
        encoderCpus.push_back(viaDialog.encoderCpu);
        std::printf("%4d %10.3f %10.3f %8.4f %12.4f %12.4f %8.2f%%\n", i + 1, viaDialog.wall,
                    alone.wall, ratio, viaDialog.selfCpu, viaDialog.encoderCpu, share * 100);
        std::fflush(stdout);
    }
    std::printf("median: vantrel %.3f s, ffmpeg alone %.3f s, wall ratio %.4f, "
                "vantrel CPU %.4f s = %.2f%% of the encoder's %.4f s\n",
                median(dialogWalls), median(directWalls), median(ratios), median(selfCpus),
                median(shares) * 100, median(encoderCpus));
    return 0;
}

// Records the time when the first paint of the window has finished: the zero timer posted
// from the paint event runs once the frame has been flushed.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window) { window->installEventFilter(this); }
    qint64 shownAt = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && shownAt == 0) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                shownAt = monotonicNs();
                QTimer::singleShot(1000, qApp, [this] {
                    std::printf("%lld %ld\n", static_cast<long long>(shownAt),
                                procStatusKb("VmRSS"));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            });
        }
        return false;
    }
};

int show(int argc, char **argv, bool dialog)
{
    QApplication app(argc, argv);
    QDialog *window = nullptr;
    if (dialog) {
        window = new vantrel; // as main() does
    } else {
        window = new QDialog;
        window->resize(581, 700);
    }
    FirstFrame firstFrame(window);
    window->show();
    const int status = app.exec();
    delete window;
    return status;
}

// Runs "<self> show MODE"; returns milliseconds from launch to first frame and idle RSS.
std::pair<double, long> launch(const char *mode)
{
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    const char *self = "/proc/self/exe";
    char *argv[] = {const_cast<char *>("vantrel_driver"), const_cast<char *>("show"),
                    const_cast<char *>(mode), nullptr};
    const qint64 t0 = monotonicNs();
    pid_t pid = 0;
    if (posix_spawn(&pid, self, &actions, nullptr, argv, environ) != 0)
        std::exit(1);
    close(out[1]);
    QByteArray text;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, n);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    const QList<QByteArray> fields = text.trimmed().split(' ');
    if (fields.size() != 2 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "show %s failed: \"%s\"\n", mode, text.constData());
        std::exit(1);
    }
    return {static_cast<double>(fields[0].toLongLong() - t0) / 1e6, fields[1].toLong()};
}

int startup(int runs)
{
    std::vector<double> dialogMs, bareMs, dialogKb, bareKb;
    launch("dialog"); // warm-up
    launch("bare");
    std::printf("%4s %12s %12s %12s %12s\n", "run", "vantrel_ms", "bare_ms", "vantrel_kB",
                "bare_kB");
    for (int i = 0; i < runs; ++i) {
        std::pair<double, long> d, b;
        if (i % 2 == 0) {
            d = launch("dialog");
            b = launch("bare");
        } else {
            b = launch("bare");
            d = launch("dialog");
        }
        dialogMs.push_back(d.first);
        bareMs.push_back(b.first);
        dialogKb.push_back(d.second);
        bareKb.push_back(b.second);
        std::printf("%4d %12.1f %12.1f %12ld %12ld\n", i + 1, d.first, b.first, d.second, b.second);
    }
    const double dm = median(dialogMs), bm = median(bareMs);
    const double dk = median(dialogKb), bk = median(bareKb);
    std::printf("median: vantrel %.1f ms, bare QDialog %.1f ms, ratio %.3f; "
                "idle RSS vantrel %.0f kB, bare %.0f kB, difference %.2f MiB\n",
                dm, bm, dm / bm, dk, bk, (dk - bk) / 1024);
    return 0;
}

// The encoder child of this process, from the kernel's list of the main thread's children.
QString childPid()
{
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(getpid()));
    if (!children.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(children.readAll().trimmed().split(' ').value(0));
}

long childBytesWritten(const QString &pid)
{
    QFile io(QStringLiteral("/proc/%1/io").arg(pid));
    if (pid.isEmpty() || !io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("wchar:"))
            return line.mid(6).trimmed().toLong();
    }
    return -1;
}

int flood(double floodSeconds, const QString &fakeBin)
{
    QTemporaryDir dir;
    QFile script(dir.filePath(QStringLiteral("script")));
    if (!script.open(QIODevice::WriteOnly))
        return 1;
    script.write(QStringLiteral("output\nflood %1\nexit 0\n").arg(floodSeconds).toUtf8());
    script.close();
    qputenv("FAKE_FFMPEG_SCRIPT", QFile::encodeName(script.fileName()));
    qputenv("PATH", QFile::encodeName(fakeBin) + ':' + qgetenv("PATH"));

    vantrel dialog;
    dialog.show();
    fillForm(dialog, dir.filePath(QStringLiteral("in.avi")),
             dir.filePath(QStringLiteral("out.avi")), 5, 2);
    settle();

    constexpr int intervalMs = 10;
    std::vector<double> lateness;
    struct Sample
    {
        double at;
        long rssKb;
        long written;
    };
    std::vector<Sample> samples;
    QElapsedTimer clock;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(intervalMs);
    qint64 last = 0;
    QString encoder;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        lateness.push_back(std::max(0.0, static_cast<double>(now - last) / 1e6 - intervalMs));
        last = now;
        if (lateness.size() % 25 == 0) {
            if (encoder.isEmpty())
                encoder = childPid();
            samples.push_back({static_cast<double>(now) / 1e9, procStatusKb("VmRSS"),
                               childBytesWritten(encoder)});
        }
    });
    clock.start();
    tick.start();
    const QString end = runToEnd(dialog);
    tick.stop();
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;

    std::printf("job ended with \"%s\" after %.2f s; %zu timer ticks\n", qPrintable(end), wall,
                lateness.size());
    std::printf("timer lateness: p50 %.2f ms, p99 %.2f ms, max %.2f ms\n", percentile(lateness, 50),
                percentile(lateness, 99), *std::max_element(lateness.begin(), lateness.end()));
    std::printf("%8s %10s %14s\n", "t_s", "rss_kB", "stderr_MiB");
    for (const Sample &s : samples)
        std::printf("%8.2f %10ld %14.1f\n", s.at, s.rssKb,
                    static_cast<double>(s.written) / (1 << 20));
    // Flat means: once the first second is over, memory does not follow the text written.
    long steadyMin = -1, steadyMax = -1;
    for (const Sample &s : samples) {
        if (s.at < 1.0)
            continue;
        steadyMin = steadyMin < 0 ? s.rssKb : std::min(steadyMin, s.rssKb);
        steadyMax = std::max(steadyMax, s.rssKb);
    }
    std::printf("RSS after the first second: min %ld kB, max %ld kB, spread %ld kB; "
                "stderr written %.1f MiB\n",
                steadyMin, steadyMax, steadyMax - steadyMin,
                samples.empty() ? 0.0 : static_cast<double>(samples.back().written) / (1 << 20));
    return end == doneText ? 0 : 1;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: vantrel_driver overhead PAIRS VCODEC ACODEC INPUT OUTPUT\n"
                 "       vantrel_driver startup RUNS\n"
                 "       vantrel_driver show dialog|bare\n"
                 "       vantrel_driver flood SECONDS FAKEBIN\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == u"show" && argc == 3)
        return show(argc, argv, qstrcmp(argv[2], "dialog") == 0);
    if (mode == u"startup" && argc == 3)
        return startup(atoi(argv[2]));
    QApplication app(argc, argv);
    if (mode == u"overhead" && argc == 7)
        return overhead(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]),
                        QString::fromLocal8Bit(argv[5]), QString::fromLocal8Bit(argv[6]));
    if (mode == u"flood" && argc == 4)
        return flood(atof(argv[2]), QString::fromLocal8Bit(argv[3]));
    return usage();
}
