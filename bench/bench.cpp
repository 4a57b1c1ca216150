// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The benchmarks, printed as one table (scripts/bench):
//  - cold start: wall time from fork/exec to exit of ktht-bench-app (ends
//    once the welcome screen is painted) against ktht-bench-bare, run
//    alternately;
//  - peak memory (maximum resident set) of the program walking all 11 paths,
//    against the bare program;
//  - resident memory after the first paint, and the libraries mapped then
//    and at the end of the walk, against the bare program (memory.h);
//  - in-process on the offscreen platform: the hand-over from a "&Diagnosa"
//    click until the next question screen has been painted and the old one
//    is gone, and a whole consultation of 7 answers to the painted result
//    screen.
//
//   ktht-bench [--runs N] [--rounds N]

#include "firstpaint.h"
#include "support/scripted.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Child
{
    double ms;
    long maxRssKiB;
    std::string output;
};

std::string here()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    path[n] = '\0';
    std::string s(path);
    return s.substr(0, s.rfind('/'));
}

// Runs a program to its end; its wall time, peak resident set and, when
// asked for, what it wrote to its standard output.
Child run(const std::string &program, std::vector<const char *> arguments = {}, bool capture = false)
{
    std::vector<char *> argv{const_cast<char *>(program.c_str())};
    for (const char *argument : arguments)
        argv.push_back(const_cast<char *>(argument));
    argv.push_back(nullptr);
    int pipeEnds[2] = {-1, -1};
    if (capture && pipe(pipeEnds) != 0) {
        std::fprintf(stderr, "cannot make a pipe\n");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (capture) {
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(1);
    }
    std::string output;
    if (capture) {
        close(pipeEnds[1]);
        char buffer[4096];
        ssize_t n;
        while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
            output.append(buffer, std::size_t(n));
        close(pipeEnds[0]);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program.c_str());
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss, output};
}

// What a process printed with printMemoryReport; libraries by file name.
struct Memory
{
    long residentKiB = 0;
    std::map<std::string, long> libraries;
};

Memory memoryOf(const std::string &report)
{
    Memory memory;
    std::istringstream lines(report);
    std::string key;
    while (lines >> key) {
        if (key == "resident") {
            lines >> memory.residentKiB;
        } else if (key == "library") {
            long kib = 0;
            std::string path;
            lines >> kib >> path;
            memory.libraries[path.substr(path.rfind('/') + 1)] += kib;
        } else {
            std::string rest;
            std::getline(lines, rest);
        }
    }
    return memory;
}

// The largest resident set of a few runs, with the libraries of that run.
Memory largestOf(const std::string &program, std::vector<const char *> arguments)
{
    Memory largest;
    for (int i = 0; i < 5; ++i) {
        Memory memory = memoryOf(run(program, arguments, true).output);
        if (memory.residentKiB > largest.residentKiB)
            largest = std::move(memory);
    }
    return largest;
}

// The libraries the program maps and the bare program does not, with the
// part of each that is resident.
std::string extraLibraries(const Memory &program, const Memory &bare)
{
    std::string list;
    for (const auto &[name, kib] : program.libraries) {
        if (bare.libraries.count(name))
            continue;
        list += (list.empty() ? "" : ", ") + name + " (" + std::to_string(kib) + " KiB)";
    }
    return list.empty() ? "none" : list;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(std::max(0.0, std::ceil(p * double(values.size())) - 1));
    return values[std::min(index, values.size() - 1)];
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Processes events until the widget has been painted.
bool awaitPaint(QWidget *window)
{
    auto *watch = new FirstPaint(window);
    for (int i = 0; i < 10000 && !watch->painted(); ++i)
        QCoreApplication::processEvents();
    return watch->painted();
}

QString openQuestion(Fixture &f)
{
    const QStringList open = f.forms().openScreens();
    return open.size() == 1 ? open.first() : QString();
}

const QStringList paths = {"YYYTYY",  "YYYTYTY", "YYYTYTT", "YYYTTY",  "YYYTTTY", "YYYTTTT",
                           "YYYYYY",  "YYYYYTY", "YYYYYTT", "YYYYTY",  "YYYYTT"};

// Clicks "&Diagnosa" on the open screen and waits until the screen it leads
// to is painted and the old window is gone; the time that takes, in ms.
double diagnose(Fixture &f, const QString &screen)
{
    QPointer<QWidget> old = f.window(screen);
    QElapsedTimer timer;
    timer.start();
    f.click(screen, QStringLiteral("Command1"));
    QWidget *next = f.window(openQuestion(f));
    if (!next || next == old || !awaitPaint(next)) {
        std::fprintf(stderr, "no new screen was painted after %s\n", qPrintable(screen));
        std::exit(1);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (old) {
        std::fprintf(stderr, "the window of %s is still there\n", qPrintable(screen));
        std::exit(1);
    }
    return ms;
}

void registerAndWait(Fixture &f)
{
    f.registerName(QStringLiteral("Bench"));
    awaitPaint(f.window(QStringLiteral("tanya0")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct InProcess
{
    std::vector<double> handOvers;
    std::vector<double> consultations;
};

InProcess measureInProcess(int rounds)
{
    InProcess result;
    Fixture f;
    f.program.start();
    awaitPaint(f.window(QStringLiteral("Utama")));
    for (int round = 0; round < rounds; ++round) {
        const QString &path = paths[round % paths.size()];
        // Hand-overs between question screens: every answer but the last.
        f.platform.boxes.clear();
        f.platform.inputs.clear();
        registerAndWait(f);
        for (qsizetype i = 0; i + 1 < path.size(); ++i) {
            const QString screen = openQuestion(f);
            f.choose(screen, path[i] == 'Y' ? QStringLiteral("ya") : QStringLiteral("tidak"));
            result.handOvers.push_back(diagnose(f, screen));
        }
        f.click(openQuestion(f), QStringLiteral("Command3"));
        awaitPaint(f.window(QStringLiteral("Utama")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // A whole consultation of 7 answers, every screen painted.
        if (path.size() != 7)
            continue;
        QElapsedTimer timer;
        timer.start();
        registerAndWait(f);
        for (QChar a : path) {
            const QString screen = openQuestion(f);
            f.choose(screen, a == 'Y' ? QStringLiteral("ya") : QStringLiteral("tidak"));
            diagnose(f, screen);
        }
        result.consultations.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (openQuestion(f) != QStringLiteral("kes2")) {
            std::fprintf(stderr, "path %s did not end on the result screen\n", qPrintable(path));
            std::exit(1);
        }
        f.click(QStringLiteral("kes2"), QStringLiteral("Command1"));
        awaitPaint(f.window(QStringLiteral("Utama")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return result;
}

const char *verdict(bool met)
{
    return met ? "met" : "missed";
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 25;
    int rounds = 1100;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::atoi(argv[i + 1]);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string dir = here();
    const std::string app = dir + "/ktht-bench-app";
    const std::string bare = dir + "/ktht-bench-bare";

    // Cold start, the two alternately, after one unmeasured run of each to
    // bring the files into the page cache.
    run(app);
    run(bare);
    std::vector<double> appStart, bareStart;
    for (int i = 0; i < runs; ++i) {
        appStart.push_back(run(app).ms);
        bareStart.push_back(run(bare).ms);
    }

    // Peak memory: the largest of a few runs each.
    long appPeak = 0, barePeak = 0;
    for (int i = 0; i < 5; ++i) {
        appPeak = std::max(appPeak, run(app, {"walk"}).maxRssKiB);
        barePeak = std::max(barePeak, run(bare).maxRssKiB);
    }
    // What is resident and mapped after the first paint, and after the walk.
    const Memory appPainted = largestOf(app, {"memory"});
    const Memory appWalked = largestOf(app, {"walk", "memory"});
    const Memory barePainted = largestOf(bare, {"memory"});

    QApplication application(argc, argv);
    ignoreOffscreenRaise();
    const InProcess inProcess = measureInProcess(rounds);

    const double startRatio = median(appStart) / median(bareStart);
    const double handOverMedian = median(inProcess.handOvers);
    const double handOverP99 = percentile(inProcess.handOvers, 0.99);
    const double extraMiB = double(appPeak - barePeak) / 1024.0;

    std::printf("| Measure | Program | Bare Qt program | Comparison | Goal | |\n");
    std::printf("|---|---|---|---|---|---|\n");
    std::printf("| Cold start to first paint, median of %d runs | %.1f ms | %.1f ms | %.2f times | at most 1.1 times | %s |\n",
                runs, median(appStart), median(bareStart), startRatio, verdict(startRatio <= 1.1));
    std::printf("| Hand-over to a painted question screen, median of %zu | %.3f ms | | | under 1 ms | %s |\n",
                inProcess.handOvers.size(), handOverMedian, verdict(handOverMedian < 1.0));
    std::printf("| Hand-over, 99th percentile | %.3f ms | | | under 3 ms | %s |\n", handOverP99,
                verdict(handOverP99 < 3.0));
    std::printf("| Consultation of 7 answers to the painted result screen, median of %zu | %.2f ms | | | | |\n",
                inProcess.consultations.size(), median(inProcess.consultations));
    std::printf("| Resident after the first paint, largest of 5 runs | %.1f MiB | %.1f MiB | %+.1f MiB | | |\n",
                double(appPainted.residentKiB) / 1024.0, double(barePainted.residentKiB) / 1024.0,
                double(appPainted.residentKiB - barePainted.residentKiB) / 1024.0);
    std::printf("| Peak memory (maximum resident set), all 11 paths | %.1f MiB | %.1f MiB | %+.1f MiB | at most 5 MiB more | %s |\n",
                double(appPeak) / 1024.0, double(barePeak) / 1024.0, extraMiB, verdict(extraMiB <= 5.0));
    std::printf("| Libraries mapped after the first paint | %zu | %zu | %+d | | |\n", appPainted.libraries.size(),
                barePainted.libraries.size(), int(appPainted.libraries.size()) - int(barePainted.libraries.size()));
    std::printf("| Libraries mapped after all 11 paths | %zu | | %+d | | |\n", appWalked.libraries.size(),
                int(appWalked.libraries.size()) - int(barePainted.libraries.size()));
    std::printf("\nMapped by the program but not by the bare program (resident part):\n");
    std::printf("- after the first paint: %s\n", extraLibraries(appPainted, barePainted).c_str());
    std::printf("- after all 11 paths: %s\n", extraLibraries(appWalked, barePainted).c_str());
    return 0;
}
