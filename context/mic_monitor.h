#pragma once
// Tells whether the default input device is in use by any process, the sign
// that a call (or any recording) is going on. Follows the default input
// device when another one is chosen.

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

#include "support/log.h"
#include "support/serial_queue.h"

namespace tocko {

// The audio system's input devices, as the monitor needs them. Device 0
// means "none".
class InputDeviceSystem {
public:
    using DeviceID = uint32_t;
    using ListenerID = uint64_t;
    using Listener = std::function<void()>;

    virtual ~InputDeviceSystem() = default;
    // The default input device; 0 when there is none or it cannot be read.
    virtual DeviceID defaultInputDevice() = 0;
    // Whether any process records from the device; absent when the read fails.
    virtual std::optional<bool> deviceIsRunning(DeviceID device) = 0;
    // Listeners are called on `queue` whenever the device's running state (or
    // the default input device) may have changed. After a listener is removed
    // it is never called again; already queued calls may still run.
    virtual ListenerID addRunningListener(DeviceID device, SerialQueue& queue, Listener listener) = 0;
    virtual void removeRunningListener(DeviceID device, ListenerID id) = 0;
    virtual ListenerID addDefaultInputListener(SerialQueue& queue, Listener listener) = 0;
    virtual void removeDefaultInputListener(ListenerID id) = 0;
};

class MicMonitor : public QObject {
    Q_OBJECT
public:
    using DeviceID = InputDeviceSystem::DeviceID;
    using OnChange = std::function<void(bool active)>;

    // Nothing is read or registered until start(). `system` is the
    // platform's (required).
    explicit MicMonitor(OnChange onChange, std::unique_ptr<InputDeviceSystem> system,
                        QObject* parent = nullptr);
    ~MicMonitor() override;

    // Binds to the default input device, registers both listeners and reports
    // the initial state before returning. A second call does nothing.
    void start();
    // False for device 0 and when the state cannot be read.
    bool isDeviceRunning(DeviceID device);

    DeviceID currentDevice() const { return currentDevice_; }
    bool hasRunningListener() const { return runningListener_ != 0; }
    bool isStarted() const { return started_; }
    SerialQueue& listenerQueue() { return listenerQueue_; }

private:
    void installRunningListener(DeviceID device);
    void removeRunningListener();
    void installDefaultDeviceListener();
    void defaultInputChanged();
    void report(bool active);

    OnChange onChange_;
    std::unique_ptr<InputDeviceSystem> system_;
    Logger log_{"MicMonitor"};
    DeviceID currentDevice_ = 0;
    InputDeviceSystem::ListenerID runningListener_ = 0;
    InputDeviceSystem::ListenerID defaultDeviceListener_ = 0;
    bool started_ = false;
    // Destroyed before system_: its last task may still read the system.
    SerialQueue listenerQueue_{"com.tocko.micmonitor"};
};

}  // namespace tocko
