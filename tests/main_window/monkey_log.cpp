#include "monkey_log.h"

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <exception>
#include <unistd.h>

namespace {

// The log of the monkey that is running, for the crash handlers.
MonkeyLog* running = nullptr;
std::terminate_handler previousTerminate = nullptr;
struct sigaction previousActions[32];
const int fatalSignals[] = { SIGABRT, SIGSEGV, SIGFPE, SIGBUS, SIGILL };

// On a crash: the last actions first, then whatever handled the signal
// before (Qt Test's handler or the sanitizer's report).
void printHistory()
{
    if (!running)
        return;
    const QByteArray text = running->history().toLocal8Bit();
    const ssize_t written
        = ::write(STDERR_FILENO, text.constData(), static_cast<size_t>(text.size()));
    (void)written;
}

void onFatalSignal(int signal)
{
    printHistory();
    running = nullptr;
    sigaction(signal, &previousActions[signal], nullptr);
    raise(signal);
}

void onTerminate()
{
    std::fputs("The monkey's action ended in an uncaught exception.\n", stderr);
    printHistory();
    running = nullptr;
    if (previousTerminate)
        previousTerminate();
    std::abort();
}

} // namespace

MonkeyLog::MonkeyLog(quint32 seed, int keep)
    : seed_(seed)
    , keep_(static_cast<std::size_t>(keep))
    , trace_(qEnvironmentVariableIsSet("TRELLAN_MONKEY_TRACE"))
{
    last_.reserve(keep_);
    running = this;
    previousTerminate = std::set_terminate(onTerminate);
    for (int signal : fatalSignals) {
        struct sigaction action = {};
        action.sa_handler = onFatalSignal;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, &previousActions[signal]);
    }
}

MonkeyLog::~MonkeyLog()
{
    for (int signal : fatalSignals)
        sigaction(signal, &previousActions[signal], nullptr);
    std::set_terminate(previousTerminate);
    running = nullptr;
}

void MonkeyLog::begin(int index, const QString& description)
{
    index_ = index;
    current_ = description;
    std::string line = QStringLiteral("  #%1 %2\n").arg(index).arg(description).toStdString();
    if (trace_) {
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
    }
    if (last_.size() < keep_)
        last_.push_back(std::move(line));
    else
        last_[next_] = std::move(line);
    next_ = (next_ + 1) % keep_;
}

void MonkeyLog::took(
    qint64 nanoseconds, qint64 cpuNanoseconds, const QString& kind, const QString& range)
{
    ++count_;
    mostCpu_ = std::max(mostCpu_, cpuNanoseconds);
    const qint64 ms = nanoseconds / 1000000;
    std::size_t bucket = 0;
    while (bucket < bucketTopsMs.size() && ms >= bucketTopsMs[bucket])
        ++bucket;
    ++buckets_[bucket];
    if (nanoseconds > slowest_) {
        slowest_ = nanoseconds;
        slowestCpu_ = cpuNanoseconds;
        slowestAction_ = QStringLiteral("#%1 %2").arg(index_).arg(kind);
        slowestRange_ = range;
    }
}

QString MonkeyLog::history() const
{
    QString out = QStringLiteral("Monkey seed %1, failing action #%2. The last actions:\n")
                      .arg(seed_)
                      .arg(index_);
    const std::size_t n = last_.size();
    for (std::size_t k = 0; k < n; ++k)
        out += QString::fromStdString(last_[(next_ + k) % n]);
    out += QStringLiteral("Replay: TRELLAN_MONKEY_SEED=%1 TRELLAN_MONKEY_ACTIONS=%2 "
                          "TRELLAN_MONKEY_TRACE=1 QT_QPA_PLATFORM=offscreen "
                          "main_window_monkey_tests randomActionsKeepEveryFieldHonest\n")
               .arg(seed_)
               .arg(index_ + 1);
    return out;
}

QString MonkeyLog::latencies() const
{
    QStringList lines;
    lines << QStringLiteral("Action latencies over %1 actions:").arg(count_);
    qint64 from = 0;
    for (std::size_t k = 0; k < buckets_.size(); ++k) {
        const QString label = k < bucketTopsMs.size()
            ? QStringLiteral("%1 - %2 ms").arg(from).arg(bucketTopsMs[k])
            : QStringLiteral(">= %1 ms").arg(from);
        lines << QStringLiteral("  %1 %2").arg(label, -14).arg(buckets_[k], 7);
        if (k < bucketTopsMs.size())
            from = bucketTopsMs[k];
    }
    lines << QStringLiteral("Slowest: %1 ms (%2 ms of work), action %3, range %4")
                 .arg(static_cast<double>(slowest_) / 1e6, 0, 'f', 2)
                 .arg(static_cast<double>(slowestCpu_) / 1e6, 0, 'f', 2)
                 .arg(slowestAction_, slowestRange_);
    lines << QStringLiteral("Most work in one action: %1 ms")
                 .arg(static_cast<double>(mostCpu_) / 1e6, 0, 'f', 2);
    return lines.join(u'\n');
}
