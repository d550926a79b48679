// Runs every figure of the benchmark and prints one table: each figure of the
// program beside a bare Qt baseline measured in the same run on the same
// machine, each a median of alternating runs, the programs that must start
// cold each in a process of their own.
//
// Start-up is timed from outside the program, on the X display it runs on
// (bench/run.sh starts an Xvfb server): from just before the process is
// started to the first top-level window mapped on the display, and on until
// the process's CPU time stops rising (idle). The program needs no hook for it.
//
//   bench_table <build folder> [runs]
#include "BenchProcess.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

constexpr qint64 kMs = 1000000;
constexpr qint64 kStartDeadline = 30000 * kMs;
// Idle: no 5 ms sample with 1 ms of CPU time or more for half a second.
constexpr qint64 kSample = 5 * kMs;
constexpr qint64 kBusyCpu = 1 * kMs;
constexpr qint64 kQuiet = 500 * kMs;
constexpr int kWindowRunTimeoutMs = 180000;

qint64 now()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

using Figures = QHash<QString, QList<double>>;

// The root window of the display, watched for the windows mapped on it.
class Display
{
public:
    bool open()
    {
        m_x = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_x))
            return false;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_x, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_x);
        return true;
    }
    ~Display()
    {
        if (m_x)
            xcb_disconnect(m_x);
    }

    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_x))
            free(event);
    }

    // True once a top-level window has been mapped; waits at most `ms`.
    bool topLevelMapped(int ms)
    {
        pollfd fd{xcb_get_file_descriptor(m_x), POLLIN, 0};
        poll(&fd, 1, ms);
        bool mapped = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                mapped = mapped || map->event == m_root;
            }
            free(event);
        }
        return mapped;
    }

private:
    xcb_connection_t *m_x = nullptr;
    xcb_window_t m_root = 0;
};

pid_t startProcess(const QStringList &command, const QString &folder)
{
    std::vector<QByteArray> args;
    for (const QString &arg : command)
        args.push_back(arg.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const QByteArray dir = folder.toLocal8Bit();

    const pid_t pid = fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        if (chdir(dir.constData()) != 0)
            _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

void endProcess(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// One cold start: "mapped" and "idle" in ms from process start, "rss" in MB at idle.
bool timeStartUp(Display &display, const QStringList &command, const QString &folder,
                 const QString &name, Figures &figures)
{
    display.drain();
    const qint64 start = now();
    const pid_t pid = startProcess(command, folder);
    if (pid < 0)
        return false;
    qint64 mapped = 0;
    while (!mapped && now() - start < kStartDeadline) {
        if (display.topLevelMapped(5))
            mapped = now();
        else if (waitpid(pid, nullptr, WNOHANG) == pid)
            return false;
    }
    if (!mapped) {
        endProcess(pid);
        return false;
    }
    qint64 lastBusy = mapped;
    qint64 cpu = ProcessCpuNanoseconds(pid);
    while (now() - lastBusy < kQuiet && now() - start < kStartDeadline) {
        usleep(kSample / 1000);
        const qint64 used = ProcessCpuNanoseconds(pid);
        if (used < 0)
            break;
        if (used - cpu >= kBusyCpu)
            lastBusy = now();
        cpu = used;
    }
    figures[name + QStringLiteral(" mapped")].append((mapped - start) / 1e6);
    figures[name + QStringLiteral(" idle")].append((lastBusy - start) / 1e6);
    figures[name + QStringLiteral(" rss")].append(TreeResidentMegabytes(pid));
    endProcess(pid);
    return true;
}

// Runs a benchmark program that prints "name value" lines and adds its values
// under "<prefix> <name>".
bool runWindowFigures(const QStringList &command, const QString &prefix, Figures &figures)
{
    QProcess process;
    process.setProgram(command.first());
    process.setArguments(command.mid(1));
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForFinished(kWindowRunTimeoutMs) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        std::fprintf(stderr, "  %s %s failed\n", qPrintable(command.first()),
                     qPrintable(command.mid(1).join(QLatin1Char(' '))));
        return false;
    }
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2)
            figures[prefix + QLatin1Char(' ') + QString::fromLatin1(parts[0])].append(
                parts[1].toDouble());
    }
    return true;
}

// The median of each benchmark's repetitions, in microseconds.
QHash<QString, double> runFileFigures(const QString &program, int runs)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {QStringLiteral("--benchmark_repetitions=%1").arg(runs),
                            QStringLiteral("--benchmark_enable_random_interleaving=true"),
                            QStringLiteral("--benchmark_format=json")});
    QHash<QString, double> medians;
    if (!process.waitForFinished(kWindowRunTimeoutMs) || process.exitCode() != 0) {
        std::fprintf(stderr, "  %s failed\n", qPrintable(program));
        return medians;
    }
    const QJsonArray results = QJsonDocument::fromJson(process.readAllStandardOutput())
                                   .object()[QLatin1String("benchmarks")]
                                   .toArray();
    Figures times;
    for (const QJsonValue &value : results) {
        const QJsonObject result = value.toObject();
        if (result[QLatin1String("run_type")].toString() != QLatin1String("iteration"))
            continue;
        const QString unit = result[QLatin1String("time_unit")].toString();
        const double scale = unit == QLatin1String("ns")   ? 1e-3
                             : unit == QLatin1String("ms") ? 1e3
                             : unit == QLatin1String("s")  ? 1e6
                                                           : 1;
        times[result[QLatin1String("run_name")].toString()].append(
            result[QLatin1String("real_time")].toDouble() * scale);
    }
    for (auto it = times.constBegin(); it != times.constEnd(); ++it)
        medians.insert(it.key(), Median(it.value()));
    return medians;
}

struct Row
{
    QString figure;
    QString unit;
    double program; // < 0: a baseline shown for the record only
    double baseline;
    double goal; // 0: no goal
};

QString amount(double value, const QString &unit)
{
    if (value < 0)
        return QStringLiteral("–");
    if (value <= 0)
        return QStringLiteral("failed");
    const int decimals = value < 10 ? 2 : value < 100 ? 1 : 0;
    return QString::number(value, 'f', decimals) + QLatin1Char(' ') + unit;
}

void printTable(const QList<Row> &rows, int runs)
{
    QString cpu;
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : info.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                cpu = QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
                break;
            }
        }
    }
    std::printf("\nBenchmark of %s: %ld cores (%s), Qt %s; median of %d alternating runs\n\n",
                qPrintable(QDate::currentDate().toString(Qt::ISODate)),
                sysconf(_SC_NPROCESSORS_ONLN), qPrintable(cpu), qVersion(), runs);
    std::printf("| Figure | This program | Baseline | Ratio | Goal |\n");
    std::printf("|---|---:|---:|---:|---|\n");
    for (const Row &row : rows) {
        QString ratio = QStringLiteral("–");
        QString goal = QStringLiteral("for the record");
        if (row.program > 0 && row.baseline > 0)
            ratio = QString::number(row.program / row.baseline, 'f', 2) + QStringLiteral("×");
        if (row.goal > 0) {
            const bool met =
                row.program > 0 && row.baseline > 0 && row.program / row.baseline <= row.goal;
            goal = QStringLiteral("≤ %1× %2")
                       .arg(row.goal)
                       .arg(met ? QStringLiteral("met") : QStringLiteral("MISSED"));
        }
        std::printf("| %s | %s | %s | %s | %s |\n", qPrintable(row.figure),
                    qPrintable(amount(row.program, row.unit)),
                    qPrintable(amount(row.baseline, row.unit)), qPrintable(ratio),
                    qPrintable(goal));
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <build folder> [runs]\n", argv[0]);
        return 2;
    }
    const QDir build(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    const int runs = argc > 2 ? qMax(1, atoi(argv[2])) : 7;
    const QString bench = build.filePath(QStringLiteral("bench"));
    const auto in = [&](const QString &name) { return bench + QLatin1Char('/') + name; };

    Display display;
    if (!display.open()) {
        std::fprintf(stderr, "no X display: run bench/run.sh, which starts one\n");
        return 1;
    }

    // The program runs from a folder of its own, which keeps its results and pictures.
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("quorvane"));
    if (!QFile::copy(build.filePath(QStringLiteral("bin/quorvane")), program)) {
        std::fprintf(stderr, "%s/bin/quorvane not found: build it first\n", argv[1]);
        return 1;
    }
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);

    struct Start
    {
        QString name;
        QStringList command;
    };
    const QList<Start> starts = {
        {QStringLiteral("home"), {program}},
        {QStringLiteral("window"),
         {in(QStringLiteral("bench_bare_window")), QStringLiteral("--share")}},
        {QStringLiteral("plain"), {in(QStringLiteral("bench_bare_window"))}},
        {QStringLiteral("engine"),
         {in(QStringLiteral("bench_bare_window_webengine")), QStringLiteral("--share")}},
    };
    const QStringList paper = {in(QStringLiteral("bench_windows")), QStringLiteral("paper")};
    const QStringList barePaper = {in(QStringLiteral("bench_windows")),
                                   QStringLiteral("bare-paper")};
    const QStringList mark = {in(QStringLiteral("bench_windows_test_course")),
                              QStringLiteral("mark")};

    // One round first, not counted: it fills the page cache and lets the
    // program write its results files for the first time.
    Figures figures;
    Figures warmUp;
    std::fprintf(stderr, "warming up\n");
    for (const Start &s : starts)
        timeStartUp(display, s.command, folder.path(), s.name, warmUp);
    runWindowFigures(paper, QStringLiteral("practice"), warmUp);
    runWindowFigures(barePaper, QStringLiteral("view"), warmUp);

    for (int run = 0; run < runs; ++run) {
        std::fprintf(stderr, "run %d of %d\n", run + 1, runs);
        for (qsizetype i = 0; i < starts.size(); ++i) {
            const Start &s = starts[(i + run) % starts.size()];
            if (!timeStartUp(display, s.command, folder.path(), s.name, figures))
                std::fprintf(stderr, "  %s did not start\n", qPrintable(s.name));
        }
        if (run % 2 == 0) {
            runWindowFigures(paper, QStringLiteral("practice"), figures);
            runWindowFigures(barePaper, QStringLiteral("view"), figures);
        } else {
            runWindowFigures(barePaper, QStringLiteral("view"), figures);
            runWindowFigures(paper, QStringLiteral("practice"), figures);
        }
        runWindowFigures(mark, QStringLiteral("test course"), figures);
    }
    std::fprintf(stderr, "file work\n");
    const QHash<QString, double> files = runFileFigures(in(QStringLiteral("bench_content")), runs);

    const auto m = [&](const char *name) { return Median(figures.value(QLatin1String(name))); };
    const auto f = [&](const char *name) { return files.value(QLatin1String(name), 0); };
    const QString boxes = QString::number(m("test course boxes"));
    const QList<Row> rows = {
        {QStringLiteral("Start-up: process start to home window mapped; baseline a bare "
                        "frameless window with Qt::AA_ShareOpenGLContexts"),
         QStringLiteral("ms"), m("home mapped"), m("window mapped"), 1.3},
        {QStringLiteral("Start-up: process start to home window mapped and idle; same baseline"),
         QStringLiteral("ms"), m("home idle"), m("window idle"), 1.3},
        {QStringLiteral("Bare frameless window without the attribute, mapped"),
         QStringLiteral("ms"), -1, m("plain mapped"), 0},
        {QStringLiteral("Bare frameless window with the attribute, linking Qt WebEngine, mapped"),
         QStringLiteral("ms"), -1, m("engine mapped"), 0},
        {QStringLiteral("Open a paper: load button to page 1 loaded, first paper of the run; "
                        "baseline a fresh process's bare QWebEngineView loading the same archive"),
         QStringLiteral("ms"), m("practice open"), m("view open"), 1.3},
        {QStringLiteral("Page change: Next or Back to the page loaded, median of 30; baseline "
                        "the bare view loading that page's archive"),
         QStringLiteral("ms"), m("practice page"), m("view page"), 1.2},
        {QStringLiteral("Marking a %1-box paper (test course), animation excluded, files "
                        "written; baseline writing the same files with QSaveFile")
             .arg(boxes),
         QStringLiteral("ms"), m("test course mark"), m("test course save"), 2},
        {QStringLiteral("Resident memory, home window idle; baseline the bare window with the "
                        "attribute"),
         QStringLiteral("MB"), m("home rss"), m("window rss"), 1.3},
        {QStringLiteral("Resident memory with a practice window, web engine helpers included; "
                        "baseline the bare QWebEngineView process"),
         QStringLiteral("MB"), m("practice rss"), m("view rss"), 1.2},
        {QStringLiteral("Reading a paper's records from the largest table it is read from; "
                        "baseline reading the file's bytes"),
         QStringLiteral("µs"), f("ReadLargestTable"), f("ReadLargestTableBytes"), 3},
        {QStringLiteral("Rewriting an answers record (50 papers × 60 answers); baseline "
                        "writing the file's bytes with QSaveFile"),
         QStringLiteral("µs"), f("SaveOneAnswersRecord"), f("WriteAnswersBytes"), 3},
    };
    printTable(rows, runs);
    return 0;
}
