#pragma once
// Reports which application is in front: once at start, and again every time
// another window becomes active. Tocko's own windows are passed over (the
// application the user came from stays in force), and a moment with no
// active window is reported only when no window follows it shortly.

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "support/log.h"

namespace tocko {

struct FrontmostApp {
    std::optional<std::string> bundleID;        // application identifier
    std::optional<std::string> name;            // human-readable name
    std::optional<int64_t> pid = std::nullopt;  // process owning the window, when the source knows it
    friend bool operator==(const FrontmostApp&, const FrontmostApp&) = default;
};

// Whether the session can tell which application is in front.
enum class FrontmostAvailability {
    Available,
    NotOnThisDesktop,     // no source exists on this desktop: the default profile applies
    NeedsGnomeExtension,  // GNOME Shell without Tocko's extension enabled
};

// The session's notion of the active application.
class FrontmostAppSource {
public:
    using Handler = std::function<void(const FrontmostApp&)>;
    virtual ~FrontmostAppSource() = default;
    virtual FrontmostAvailability availability() { return FrontmostAvailability::Available; }
    // The application in front now; both values absent when there is none or
    // the session offers no way to ask.
    virtual FrontmostApp frontmost() = 0;
    // Starts watching. `onActivate` runs on the main thread, once for every
    // activation, and never after the source is destroyed.
    virtual void observe(Handler onActivate) = 0;
};

// Whether a report names this very process: its process id, or the
// application ids Tocko's windows carry ("com.pollix.Tocko", "tocko").
bool isOwnApplication(const FrontmostApp& app);

class WorkspaceMonitor : public QObject {
    Q_OBJECT
public:
    using OnChange = std::function<void(const std::optional<std::string>& bundleID,
                                        const std::optional<std::string>& name)>;

    // Nothing is observed until start(). `source` is the platform's (required).
    explicit WorkspaceMonitor(OnChange onChange, std::unique_ptr<FrontmostAppSource> source,
                              QObject* parent = nullptr);
    ~WorkspaceMonitor() override;

    // Registers for activations, then reports the current frontmost
    // application synchronously. Called once.
    void start();

    // How long a report of "no active window" waits for a window to follow
    // (window managers clear _NET_ACTIVE_WINDOW between two windows).
    static constexpr std::chrono::milliseconds kEmptySettleTime{100};

    FrontmostAvailability availability() const { return source_->availability(); }

    static constexpr const char* kGnomeExtensionUUID = "tocko-focus@pollix.com";

private:
    void activated(const FrontmostApp& app);
    void deliver(const FrontmostApp& app);

    OnChange onChange_;
    std::unique_ptr<FrontmostAppSource> source_;
    bool observing_ = false;
    QTimer* emptyTimer_ = nullptr;  // pending report of no active window
    Logger log_{"WorkspaceMonitor"};
};

}  // namespace tocko
