// The active toplevel of a wlroots compositor through
// zwlr_foreign_toplevel_manager_v1: every toplevel gets a handle with its
// app_id and states; the one whose states include "activated" after a "done"
// is in front. The display's socket is read by the main event loop.

#include <wayland-client.h>

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <map>

#include "platform/linux/desktop_entries.h"
#include "platform/linux/frontmost_sources.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

namespace tocko {

namespace {

constexpr uint32_t kHighestVersion = 3;
constexpr int kReconnectMs = 1000;

class WlrFrontmostAppSource final : public QObject, public FrontmostAppSource {
public:
    WlrFrontmostAppSource() {
        reconnect_.setInterval(kReconnectMs);
        QObject::connect(&reconnect_, &QTimer::timeout, this, [this] {
            if (connectToCompositor()) {
                reconnect_.stop();
                log_.info("Compositor is back; following its active window again");
                reportIfChanged();
            }
        });
    }
    ~WlrFrontmostAppSource() override { disconnect(); }

    bool connectToCompositor() {
        display_ = wl_display_connect(nullptr);
        if (!display_) return false;
        registry_ = wl_display_get_registry(display_);
        static const wl_registry_listener registryListener = {
            [](void* self, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
                auto* me = static_cast<WlrFrontmostAppSource*>(self);
                if (std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) != 0 ||
                    me->manager_)
                    return;
                me->manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(
                    wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface,
                                     std::min(version, kHighestVersion)));
                zwlr_foreign_toplevel_manager_v1_add_listener(me->manager_, &managerListener, me);
            },
            [](void*, wl_registry*, uint32_t) {},
        };
        wl_registry_add_listener(registry_, &registryListener, this);
        // The globals, then the toplevels that exist, then their details.
        for (int i = 0; i < 3; ++i)
            if (wl_display_roundtrip(display_) < 0) break;
        if (!manager_ || wl_display_get_error(display_) != 0) {
            disconnect();
            return false;
        }
        notifier_ = new QSocketNotifier(wl_display_get_fd(display_), QSocketNotifier::Read, this);
        QObject::connect(notifier_, &QSocketNotifier::activated, this, [this] { readEvents(); });
        return true;
    }

    FrontmostApp frontmost() override { return current_; }

    void observe(Handler onActivate) override { handler_ = std::move(onActivate); }

private:
    struct Toplevel {
        WlrFrontmostAppSource* source = nullptr;
        zwlr_foreign_toplevel_handle_v1* handle = nullptr;
        std::optional<std::string> appID, pendingAppID;
        bool activated = false, pendingActivated = false;
    };

    static const zwlr_foreign_toplevel_manager_v1_listener managerListener;
    static const zwlr_foreign_toplevel_handle_v1_listener handleListener;

    void readEvents() {
        if (!display_) return;
        if (wl_display_dispatch(display_) < 0) {
            // The compositor quit or restarted: the last report stands until
            // one answers again.
            log_.info("Compositor connection lost; retrying every second");
            disconnect();
            reconnect_.start();
            return;
        }
        wl_display_flush(display_);
    }

    // After a "done": the activated toplevel, if any, is in front.
    void reportIfChanged() {
        Toplevel* active = nullptr;
        for (auto& [handle, t] : toplevels_)
            if (t->activated) active = t.get();
        FrontmostApp app;
        if (active) app = identifyAppID(active->appID, entries_);
        const bool changed = active != active_ || !(app == current_);
        active_ = active;
        current_ = app;
        if (changed && handler_) handler_(app);
    }

    void disconnect() {
        delete notifier_;
        notifier_ = nullptr;
        for (auto& [handle, t] : toplevels_) zwlr_foreign_toplevel_handle_v1_destroy(handle);
        toplevels_.clear();
        active_ = nullptr;
        if (manager_) zwlr_foreign_toplevel_manager_v1_destroy(manager_);
        manager_ = nullptr;
        if (registry_) wl_registry_destroy(registry_);
        registry_ = nullptr;
        if (display_) wl_display_disconnect(display_);
        display_ = nullptr;
    }

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    std::map<zwlr_foreign_toplevel_handle_v1*, std::unique_ptr<Toplevel>> toplevels_;
    Toplevel* active_ = nullptr;
    FrontmostApp current_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer reconnect_;
    Handler handler_;
    DesktopEntries entries_;
    Logger log_{"WorkspaceMonitor"};
};

const zwlr_foreign_toplevel_manager_v1_listener WlrFrontmostAppSource::managerListener = {
    // toplevel
    [](void* self, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* handle) {
        auto* me = static_cast<WlrFrontmostAppSource*>(self);
        auto t = std::make_unique<Toplevel>();
        t->source = me;
        t->handle = handle;
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &handleListener, t.get());
        me->toplevels_[handle] = std::move(t);
    },
    // finished: the compositor stops telling; keep the last report.
    [](void* self, zwlr_foreign_toplevel_manager_v1* manager) {
        auto* me = static_cast<WlrFrontmostAppSource*>(self);
        if (me->manager_ == manager) me->manager_ = nullptr;
        zwlr_foreign_toplevel_manager_v1_destroy(manager);
    },
};

const zwlr_foreign_toplevel_handle_v1_listener WlrFrontmostAppSource::handleListener = {
    // title
    [](void*, zwlr_foreign_toplevel_handle_v1*, const char*) {},
    // app_id: an empty one is no identity at all.
    [](void* data, zwlr_foreign_toplevel_handle_v1*, const char* appID) {
        auto* t = static_cast<Toplevel*>(data);
        t->pendingAppID = (appID && *appID) ? std::optional<std::string>(appID) : std::nullopt;
    },
    // output_enter, output_leave
    [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
    [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
    // state
    [](void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
        auto* t = static_cast<Toplevel*>(data);
        t->pendingActivated = false;
        const auto* s = static_cast<const uint32_t*>(states->data);
        for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i)
            if (s[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED) t->pendingActivated = true;
    },
    // done: the pending values hold together.
    [](void* data, zwlr_foreign_toplevel_handle_v1*) {
        auto* t = static_cast<Toplevel*>(data);
        t->appID = t->pendingAppID;
        t->activated = t->pendingActivated;
        t->source->reportIfChanged();
    },
    // closed
    [](void* data, zwlr_foreign_toplevel_handle_v1* handle) {
        auto* t = static_cast<Toplevel*>(data);
        WlrFrontmostAppSource* me = t->source;
        if (me->active_ == t) me->active_ = nullptr;
        me->toplevels_.erase(handle);  // frees t
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
        me->reportIfChanged();
    },
    // parent
    [](void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {},
};

}  // namespace

std::unique_ptr<FrontmostAppSource> makeWlrFrontmostAppSource() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!wayland || !*wayland) return nullptr;
    auto source = std::make_unique<WlrFrontmostAppSource>();
    if (!source->connectToCompositor()) return nullptr;
    return source;
}

}  // namespace tocko
