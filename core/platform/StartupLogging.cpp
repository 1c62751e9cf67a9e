#include "StartupLogging.h"

#include <QByteArray>
#include <QString>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <execinfo.h>
#include <unistd.h>

namespace {
constexpr int kMaxFrames = 10;

void writeAll(int fd, const char *text, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, text, size);
        if (n <= 0)
            return;
        text += n;
        size -= size_t(n);
    }
}
} // namespace

void handler(int sig)
{
    void *frames[kMaxFrames];
    const int count = ::backtrace(frames, kMaxFrames);

    // "Error: signal %d:\n" without printf, which is not safe here.
    char line[48] = "Error: signal ";
    size_t len = 14;
    char digits[12];
    int n = 0;
    unsigned int value = sig < 0 ? 0u - unsigned(sig) : unsigned(sig);
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value && n < int(sizeof digits));
    if (sig < 0)
        line[len++] = '-';
    while (n > 0)
        line[len++] = digits[--n];
    line[len++] = ':';
    line[len++] = '\n';
    writeAll(STDOUT_FILENO, line, len);

    ::backtrace_symbols_fd(frames, count, STDERR_FILENO);
    ::_exit(1);
}

void myMessageOutput(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    const QByteArray text = msg.toLocal8Bit();
    switch (type) {
    case QtWarningMsg:
        std::fprintf(stderr, "Warning: %s\n", text.constData());
        break;
    case QtCriticalMsg:
        std::fprintf(stderr, "Critical: %s\n", text.constData());
        break;
    case QtFatalMsg:
        std::fprintf(stderr, "Fatal: %s\n", text.constData());
        std::fflush(stderr);
        std::abort();
    default:
        std::fprintf(stderr, "Debug: %s\n", text.constData());
        break;
    }
}

void installAbortHandler()
{
    // The first backtrace loads the unwinder; do that now, not in signal context.
    void *frame[1];
    ::backtrace(frame, 1);
    std::signal(SIGABRT, handler);
}
