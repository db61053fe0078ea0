#include "cli/Console.h"

#include <QSocketNotifier>

#include <csignal>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vaz::cli {

void Console::message(const QString &text) { err(QString(text).replace(u'\n', u' ')); }

Answer Console::question(const QString &text, const QString &)
{
    message(text);
    return Answer::Cancel;
}

StdConsole::StdConsole(bool quiet)
{
#ifdef Q_OS_UNIX
    showProgress_ = !quiet && ::isatty(STDERR_FILENO);
#else
    Q_UNUSED(quiet);
#endif
}

StdConsole::~StdConsole() { endProgress(); }

void StdConsole::out(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

bool StdConsole::write(const QByteArray &bytes)
{
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    return std::fflush(stdout) == 0 && written && !std::ferror(stdout);
}

void StdConsole::err(const QString &line)
{
    endProgress();
    std::fprintf(stderr, "vazconfig: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void StdConsole::progress(const QString &line)
{
    if (!showProgress_)
        return;
    // Carriage return and erase to the end: the bar redraws in place.
    std::fprintf(stderr, "\r%s\x1b[K", line.toLocal8Bit().constData());
    std::fflush(stderr);
    progressShown_ = true;
}

void StdConsole::endProgress()
{
    if (!progressShown_)
        return;
    std::fputc('\n', stderr);
    progressShown_ = false;
}

#ifdef Q_OS_UNIX
namespace {
int g_pipe[2] = {-1, -1};
void onInterrupt(int)
{
    const char c = 'i';
    [[maybe_unused]] auto n = ::write(g_pipe[1], &c, 1);
}
}  // namespace

InterruptWatch::InterruptWatch()
{
    if (::pipe(g_pipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char c;
        [[maybe_unused]] auto n = ::read(g_pipe[0], &c, 1);
        interrupted_ = true;
        emit interrupt();
    });
    struct sigaction sa = {};
    sa.sa_handler = onInterrupt;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
}

InterruptWatch::~InterruptWatch()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    for (int &fd : g_pipe)
        if (fd >= 0)
            ::close(fd), fd = -1;
}
#else
InterruptWatch::InterruptWatch() = default;
InterruptWatch::~InterruptWatch() = default;
#endif

}  // namespace vaz::cli
