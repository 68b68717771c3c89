#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <string>
#include <vector>

// What the monkey did: the last actions, for replaying a failure, and how
// long every action took.
class MonkeyLog {
public:
    MonkeyLog(quint32 seed, int keep = 40);
    ~MonkeyLog();
    MonkeyLog(const MonkeyLog&) = delete;
    MonkeyLog& operator=(const MonkeyLog&) = delete;

    quint32 seed() const { return seed_; }

    // Notes the action about to run; with TRELLAN_MONKEY_TRACE set it is also
    // printed at once, so a hang or a crash shows what it was doing.
    void begin(int index, const QString& description);
    // Records how long the action took, how much of that it worked, and what
    // the range fields held.
    void took(qint64 nanoseconds, qint64 cpuNanoseconds, const QString& kind, const QString& range);

    // The seed, the last actions and the command that replays them.
    QString history() const;
    // The histogram of action latencies with the slowest action.
    QString latencies() const;
    qint64 slowestNanoseconds() const { return slowest_; }

private:
    quint32 seed_;
    std::size_t keep_;
    std::vector<std::string> last_; // ring of the last actions
    std::size_t next_ = 0;
    int index_ = -1;
    bool trace_ = false;
    QString current_;

    static constexpr std::array<qint64, 7> bucketTopsMs { 1, 5, 10, 50, 100, 500, 2000 };
    std::array<int, bucketTopsMs.size() + 1> buckets_ {};
    int count_ = 0;
    qint64 slowest_ = -1;
    qint64 slowestCpu_ = 0;
    qint64 mostCpu_ = 0;
    QString slowestAction_;
    QString slowestRange_;
};
