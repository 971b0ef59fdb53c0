#pragma once
// Reports which application is in front: once at start, and again every time
// another window becomes active. No filtering and no de-duplication.

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "support/log.h"

namespace tocko {

struct FrontmostApp {
    std::optional<std::string> bundleID;  // application identifier
    std::optional<std::string> name;      // human-readable name
    friend bool operator==(const FrontmostApp&, const FrontmostApp&) = default;
};

// The session's notion of the active application.
class FrontmostAppSource {
public:
    using Handler = std::function<void(const FrontmostApp&)>;
    virtual ~FrontmostAppSource() = default;
    // The application in front now; both values absent when there is none or
    // the session offers no way to ask.
    virtual FrontmostApp frontmost() = 0;
    // Starts watching. `onActivate` runs on the main thread, once for every
    // activation, and never after the source is destroyed.
    virtual void observe(Handler onActivate) = 0;
};

// X11 EWMH _NET_ACTIVE_WINDOW on a connection of its own; without an X
// display (a Wayland session without X), a source that reports nothing.
std::unique_ptr<FrontmostAppSource> makeFrontmostAppSource();

class WorkspaceMonitor : public QObject {
    Q_OBJECT
public:
    using OnChange = std::function<void(const std::optional<std::string>& bundleID,
                                        const std::optional<std::string>& name)>;

    // Nothing is observed until start(). Without a source, the platform's.
    explicit WorkspaceMonitor(OnChange onChange, std::unique_ptr<FrontmostAppSource> source = nullptr,
                              QObject* parent = nullptr);
    ~WorkspaceMonitor() override;

    // Registers for activations, then reports the current frontmost
    // application synchronously. Called once.
    void start();

private:
    OnChange onChange_;
    std::unique_ptr<FrontmostAppSource> source_;
    bool observing_ = false;
    Logger log_{"WorkspaceMonitor"};
};

}  // namespace tocko
