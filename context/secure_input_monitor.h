#pragma once
// Notices when another application holds secure keyboard entry (which
// withholds key events from us) and who holds it. There is no notification
// for this state, so it is polled every 2 seconds on the main thread.

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
};

// The probe for this platform (context/linux).
std::unique_ptr<SecureInputProbe> makeSecureInputProbe();

class SecureInputMonitor : public QObject {
    Q_OBJECT
public:
    using OnChange = std::function<void(bool active, const std::optional<std::string>& holder)>;
    static constexpr std::chrono::milliseconds kPollInterval{2000};

    // Without a probe, the platform's probe is used.
    explicit SecureInputMonitor(OnChange onChange, std::unique_ptr<SecureInputProbe> probe = nullptr,
                                QObject* parent = nullptr);
    ~SecureInputMonitor() override;

    // Samples once without reporting, then polls. A second call does nothing.
    void start();
    // One sample; reports through onChange when `notify` and the state or the
    // holder changed since the last sample.
    void poll(bool notify);
    // The holder's application name, "pid N" when it has none, absent when
    // the holder cannot be found.
    std::optional<std::string> lookUpHolderName();

    bool isActive() const { return isActive_; }
    const std::optional<std::string>& holderName() const { return holderName_; }
    bool isStarted() const { return timer_ != nullptr; }

    // Tests: a shorter period for the poll timer (before start()).
    void setPollIntervalForTesting(std::chrono::milliseconds interval) { interval_ = interval; }

private:
    OnChange onChange_;
    std::unique_ptr<SecureInputProbe> probe_;
    QTimer* timer_ = nullptr;
    bool isActive_ = false;
    std::optional<std::string> holderName_;
    std::chrono::milliseconds interval_ = kPollInterval;
};

}  // namespace tocko
