// How soon a focused password field mutes the keys, and what watching costs
// while nothing happens. In a private session (its own session bus and the
// accessibility bus of at-spi2-core) on the X server in DISPLAY, a GTK window
// and a Qt window are each told to focus their password entry, then their
// plain entry, again and again; each time the clock runs from the command to the moment
// the sound engine's mute flag follows. The window's own reaction is part of
// the figure, so it is an upper bound of the probe's delay.
//
//   secure_input_latency [rounds] 2>/dev/null     (default 20 rounds)

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "context/context_engine.h"
#include "context/secure_input_monitor.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/secure_input_linux.h"
#include "tests/context/secure/desktop_session.h"

using namespace tocko;
using namespace std::chrono_literals;

namespace {

class MuteSink : public PlaybackSink {
public:
    void setActivePack(PackID pack) override {
        state_.with([&](Playback& p) { p.pack = pack; });
    }
    Locked<Playback>& state() override { return state_; }
    void play(PackID, float, bool) override {}
    bool muted() { return state_.get().muted; }

private:
    Locked<Playback> state_;
};

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void summarize(const char* what, std::vector<double> ms) {
    if (ms.empty()) {
        std::printf("%-4s no measurement\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    auto at = [&](double q) { return ms[std::min(ms.size() - 1, size_t(q * double(ms.size())))]; };
    std::printf("%-4s focus->mute ms: n=%zu median=%.1f p95=%.1f max=%.1f\n", what, ms.size(), at(0.5),
                at(0.95), ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    desktop::Session session;
    if (!session.ok()) {
        std::fprintf(stderr, "needs dbus-daemon, at-spi-bus-launcher and DISPLAY\n");
        return 2;
    }
    auto sink = std::make_shared<MuteSink>();
    ContextEngine context(sink, ProfileStore::emptyStore());
    context.setGlobalEnabled(true);
    context.applyEffective();

    SecureInputBuses buses;
    buses.session = session.address();
    buses.system = session.address();
    SecureInputMonitor watched(
        [&](bool active, const std::optional<std::string>& holder) {
            context.setSecureInput(active, holder);
        },
        makeLinuxSecureInputProbe(buses));
    watched.start();
    desktop::spinUntil([] { return false; }, 1500ms);  // connected and registered

    // Idle: nothing focuses, nothing locks; the event loop sleeps.
    const double cpu0 = cpuSeconds();
    {
        QEventLoop idle;
        QTimer::singleShot(5s, &idle, &QEventLoop::quit);
        idle.exec();
    }
    std::printf("idle: %.1f ms CPU in 5 s of watching\n", (cpuSeconds() - cpu0) * 1000);

    struct Window {
        const char* name;
        QString program;
        bool qt;
    };
    std::vector<Window> windows{{"GTK", GTK_WINDOW, false}};
#ifdef QT_WINDOW
    windows.push_back({"Qt", QT_WINDOW, true});
#endif
    for (const auto& [name, program, qt] : windows) {
        auto window = session.openWindow(program, qt);
        if (!window) {
            std::printf("%-4s window did not open\n", name);
            continue;
        }
        window->send("plain");
        window->waitForLine("ok");
        desktop::spinUntil([] { return false; }, 500ms);
        std::vector<double> on, off;
        for (int i = 0; i < rounds + 1; ++i) {
            QElapsedTimer t;
            t.start();
            window->send("secret");
            const bool muted = desktop::spinUntil([&] { return sink->muted(); }, 2s);
            const double onMs = double(t.nsecsElapsed()) / 1e6;
            window->waitForLine("ok");
            desktop::spinUntil([] { return false; }, 100ms);
            t.restart();
            window->send("plain");
            const bool unmuted = desktop::spinUntil([&] { return !sink->muted(); }, 2s);
            const double offMs = double(t.nsecsElapsed()) / 1e6;
            window->waitForLine("ok");
            desktop::spinUntil([] { return false; }, 100ms);
            if (i == 0) continue;  // the first focus may come before the window knows we listen
            if (muted) on.push_back(onMs);
            if (unmuted) off.push_back(offMs);
        }
        summarize(name, on);
        std::sort(off.begin(), off.end());
        if (!off.empty()) std::printf("%-4s focus->unmute ms: median=%.1f\n", name, off[off.size() / 2]);
    }
    return 0;
}
