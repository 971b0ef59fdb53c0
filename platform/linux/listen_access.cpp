// Choosing the input backend, and what "permission to listen" means on Linux.

#include "platform/linux/listen_access.h"

#include <cstdlib>
#include <string_view>

#include "platform/linux/evdev_backend.h"
#include "platform/linux/x11_backend.h"

namespace tocko {

namespace {

enum class BackendChoice { Automatic, Evdev, X11 };

BackendChoice backendChoice() {
    const char* value = std::getenv("TOCKO_INPUT_BACKEND");
    if (!value) return BackendChoice::Automatic;
    const std::string_view v(value);
    if (v == "evdev") return BackendChoice::Evdev;
    if (v == "x11") return BackendChoice::X11;
    return BackendChoice::Automatic;
}

class SystemTapBackendFactory : public TapBackendFactory {
public:
    bool canListen() override { return access() != ListenAccess::none; }

    ListenAccess access() {
        const BackendChoice choice = backendChoice();
        if (choice != BackendChoice::X11 && evdev_.canListen()) return ListenAccess::full;
        if (choice == BackendChoice::Evdev || !x11_.canListen()) return ListenAccess::none;
        // Under Wayland the X server is XWayland, which sees only X11 windows.
        return isWaylandSession() ? ListenAccess::partial : ListenAccess::full;
    }

    std::shared_ptr<EventTap> createTap() override {
        const BackendChoice choice = backendChoice();
        if (choice == BackendChoice::Evdev || (choice == BackendChoice::Automatic && evdev_.canListen())) {
            if (auto tap = evdev_.createTap()) {
                log_.info("Listening through evdev input devices");
                return tap;
            }
            if (choice == BackendChoice::Evdev) return nullptr;
        }
        if (auto tap = x11_.createTap()) {
            log_.info("Listening through X11 XInput 2 raw events");
            return tap;
        }
        return nullptr;
    }

private:
    EvdevTapFactory evdev_;
    X11TapFactory x11_;
    Logger log_{"KeyTap"};
};

}  // namespace

namespace {
std::shared_ptr<SystemTapBackendFactory> systemFactory() {
    static const auto factory = std::make_shared<SystemTapBackendFactory>();
    return factory;
}
}  // namespace

std::shared_ptr<TapBackendFactory> systemTapBackendFactory() { return systemFactory(); }

bool isWaylandSession() {
    const char* type = std::getenv("XDG_SESSION_TYPE");
    if (type && std::string_view(type) == "wayland") return true;
    const char* display = std::getenv("WAYLAND_DISPLAY");
    return display && *display;
}

ListenAccess listenAccess() { return systemFactory()->access(); }

bool listenAccessGranted() { return listenAccess() == ListenAccess::full; }

std::string listenAccessHelpText() {
    return "Tocko plays its click when it sees a key go down. On Linux it learns that from the keyboard and "
           "mouse devices in /dev/input, which only members of the \"input\" group may read, or, in an X11 "
           "session, from the X server. Linux asks no questions here, so access is granted by you, in one of "
           "two ways:\n"
           "\n"
           "1. Join the input group, then log out and back in:\n"
           "       sudo usermod -aG input $USER\n"
           "\n"
           "2. Or give whoever sits at this computer access to keyboards and mice with a udev rule. Put "
           "these "
           "two lines into /etc/udev/rules.d/70-tocko-input.rules:\n"
           "       SUBSYSTEM==\"input\", KERNEL==\"event*\", ENV{ID_INPUT_KEYBOARD}==\"1\", "
           "TAG+=\"uaccess\"\n"
           "       SUBSYSTEM==\"input\", KERNEL==\"event*\", ENV{ID_INPUT_MOUSE}==\"1\", TAG+=\"uaccess\"\n"
           "   then run: sudo udevadm control --reload && sudo udevadm trigger --subsystem-match=input\n"
           "\n"
           "Either way, other programs you run can then read the keyboard too. Tocko only notes that a key "
           "went down; it never records or sends what you type.";
}

bool requestListenAccess() {
    if (listenAccessGranted()) return true;
    if (listenAccess() == ListenAccess::partial)
        trace("KeyTap", "input access partial: XWayland hears X11 windows only");
    Logger("KeyTap").info("Input access requested; Linux has no prompt. {}", {pub(listenAccessHelpText())});
    trace("KeyTap", "input access missing: join the \"input\" group or add a udev uaccess rule");
    return false;
}

}  // namespace tocko
