#include "platform/TerminationHandler.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char c = 1;
    // Only async-signal-safe work here: wake the event loop through the pipe.
    [[maybe_unused]] auto n = ::write(signalPipe[1], &c, 1);
}
} // namespace

void InstallTerminationHandler() {
    if (signalPipe[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char c;
        [[maybe_unused]] auto n = ::read(signalPipe[0], &c, 1);
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}
