#pragma once

#include <QLatin1String>
#include <QtGlobal>

// The offscreen platform cannot raise a window, nor pass on a window's size
// hints, and says so each time the About or Practice window opens: hundreds
// of lines in a long run, which would crowd out the test's own (Qt Test
// stops printing after 2000). While one of these lives, those notices are
// dropped and every other message goes on as before.
class QuietRaiseNotices {
public:
    QuietRaiseNotices() { previous() = qInstallMessageHandler(filter); }
    ~QuietRaiseNotices() { qInstallMessageHandler(previous()); }
    QuietRaiseNotices(const QuietRaiseNotices&) = delete;
    QuietRaiseNotices& operator=(const QuietRaiseNotices&) = delete;

private:
    static QtMessageHandler& previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (message != QLatin1String("This plugin does not support raise()")
            && message != QLatin1String("This plugin does not support propagateSizeHints()")
            && previous())
            previous()(type, context, message);
    }
};
