#pragma once
// The X11 backend, for sessions where evdev cannot be read: XInput 2 raw key
// and button events selected on the root window of a private connection.
// Raw events reach every client that asks, whatever window has the focus,
// and cannot be consumed or altered by anyone. The tap waits on the
// connection (and, while the server is gone, a retry timer) with a RunLoop of
// its own, run on the tap thread.

#include <atomic>
#include <bitset>
#include <ctime>
#include <memory>
#include <string>

#include "input/event_tap.h"
#include "platform/linux/run_loop.h"
#include "support/log.h"

typedef struct _XDisplay Display;

namespace tocko {

class X11Tap : public EventTap {
public:
    // Connects to `displayName` (empty: $DISPLAY); nullptr without a server
    // offering XInput 2.
    static std::shared_ptr<X11Tap> open(const std::string& displayName = "");
    ~X11Tap() override;

    void run(TapCallback callback) override;
    void stop() override { loop_.stop(); }
    void setEnabled(bool enabled) override { enabled_.store(enabled); }
    bool isEnabled() const override { return enabled_.load() && !broken_.load(); }

    bool isConnected() const { return !broken_.load(); }

    // Use open().
    X11Tap() = default;

private:
    static constexpr time_t kReconnectSeconds = 1;
    static void onConnectionBroken(Display* display, void* self);
    // Takes over an open connection and selects the raw events on it; false
    // when the connection broke meanwhile.
    bool attach(Display* display, int opcode);
    // Puts the connection on the loop; false (logged) when it cannot.
    bool watchConnection();
    void startReconnecting();
    void stopReconnecting();
    void tryReconnect();
    void drain(uint32_t epollEvents);
    void handle(int evtype, const void* rawEvent);
    void connectionLost();

    TapCallback callback_;  // while running
    Logger log_{"KeyTap"};
    Display* display_ = nullptr;
    int opcode_ = -1;
    std::atomic<bool> enabled_{false};
    std::atomic<bool> broken_{false};
    std::string displayName_;  // empty: $DISPLAY
    int retryFd_ = -1;         // timerfd while the display is gone
    RunLoop loop_;
    // Keys currently held, only to tell a held key's repeated presses from
    // new ones; never leaves this object.
    std::bitset<256> held_;
};

class X11TapFactory : public TapBackendFactory {
public:
    explicit X11TapFactory(std::string displayName = "") : displayName_(std::move(displayName)) {}
    // The display opens and offers XInput 2.
    bool canListen() override;
    std::shared_ptr<EventTap> createTap() override;

private:
    const std::string displayName_;
};

}  // namespace tocko
