#pragma once
// Notices when the user is typing a secret (a password field has the focus,
// the session is locked, a passphrase prompt is in front) and who asks for
// it. A probe that is told of changes reports them at once; any other probe
// is polled every 2 seconds on the main thread.

#include <QObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QTimer;

namespace tocko {

class SecureInputProbe {
public:
    virtual ~SecureInputProbe() = default;
    virtual bool isSecureInputEnabled() = 0;
    // Process holding secure input, when the session can tell.
    virtual std::optional<int32_t> holderPID() = 0;
    // Name of the running application with that process id, if any.
    virtual std::optional<std::string> applicationName(int32_t pid) = 0;
    // The holder's name when the probe knows it without a process id.
    virtual std::optional<std::string> holderName() { return std::nullopt; }
    // Probes that learn of changes themselves call `changed` on the main
    // thread whenever their answer may differ, and return true: such a probe
    // is never polled. The default probe cannot, and returns false.
    virtual bool watch(std::function<void()> changed) {
        (void)changed;
        return false;
    }
    // The application in front, as the frontmost-application monitor saw it.
    virtual void frontmostChanged(const std::optional<std::string>& appID,
                                  const std::optional<std::string>& name) {
        (void)appID;
        (void)name;
    }
};

class SecureInputMonitor : public QObject {
    Q_OBJECT
public:
    using OnChange = std::function<void(bool active, const std::optional<std::string>& holder)>;
    static constexpr std::chrono::milliseconds kPollInterval{2000};

    // `probe` is the platform's (required).
    explicit SecureInputMonitor(OnChange onChange, std::unique_ptr<SecureInputProbe> probe,
                                QObject* parent = nullptr);
    ~SecureInputMonitor() override;

    // Samples once without reporting, then watches or polls. A second call
    // does nothing.
    void start();
    // Passes the frontmost application on to the probe.
    void setFrontmostApp(const std::optional<std::string>& appID, const std::optional<std::string>& name);
    // One sample; reports through onChange when `notify` and the state or the
    // holder changed since the last sample.
    void poll(bool notify);
    // The holder's name as the probe gives it, else the application name of
    // its process, "pid N" when it has none, absent when it cannot be found.
    std::optional<std::string> lookUpHolderName();

    bool isActive() const { return isActive_; }
    const std::optional<std::string>& holderName() const { return holderName_; }
    bool isStarted() const { return started_; }
    bool isPolling() const { return timer_ != nullptr; }

    // Tests: a shorter period for the poll timer (before start()).
    void setPollIntervalForTesting(std::chrono::milliseconds interval) { interval_ = interval; }

private:
    OnChange onChange_;
    std::unique_ptr<SecureInputProbe> probe_;
    QTimer* timer_ = nullptr;
    bool started_ = false;
    bool isActive_ = false;
    std::optional<std::string> holderName_;
    std::chrono::milliseconds interval_ = kPollInterval;
};

}  // namespace tocko
