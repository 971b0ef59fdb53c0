#pragma once
// Scripted stand-ins for the application's platform services, for tests.

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "context/mic_monitor.h"
#include "context/secure_input_monitor.h"
#include "context/workspace_monitor.h"
#include "platform/platform.h"

namespace tocko {

class FakeLoginItem : public LoginItemService {
public:
    bool enabled = false;
    std::optional<std::string> failWith;  // next register/unregister fails with this text
    int registerCalls = 0;
    int unregisterCalls = 0;

    bool isEnabled() override { return enabled; }
    bool registerItem(std::string& error) override { return change(true, error, registerCalls); }
    bool unregisterItem(std::string& error) override { return change(false, error, unregisterCalls); }

private:
    bool change(bool on, std::string& error, int& counter);
};

class FakeLocalizationProbe : public LocalizationProbe {
public:
    double widthEn = 92, widthDe = 131.7;
    std::string german = "Tocko aktivieren";
    std::vector<std::string> keys;  // every key asked for

    double renderedWidth(const std::string& localeId, const std::string& key) override;
    std::string germanTranslation(const std::string& key) override;
};

// A fixed frontmost application; activate() reports another one.
class FakeFrontmostSource : public FrontmostAppSource {
public:
    explicit FakeFrontmostSource(FrontmostApp app = {}) : app_(std::move(app)) {}
    FrontmostApp frontmost() override { return app_; }
    void observe(Handler onActivate) override { handler_ = std::move(onActivate); }
    void activate(FrontmostApp app);

private:
    FrontmostApp app_;
    Handler handler_;
};

// One input device whose running state is fixed at construction.
class FakeInputDevices : public InputDeviceSystem {
public:
    explicit FakeInputDevices(bool running = false) : running_(running) {}
    DeviceID defaultInputDevice() override { return 7; }
    std::optional<bool> deviceIsRunning(DeviceID) override { return running_; }
    ListenerID addRunningListener(DeviceID, SerialQueue&, Listener) override { return 1; }
    void removeRunningListener(DeviceID, ListenerID) override {}
    ListenerID addDefaultInputListener(SerialQueue&, Listener) override { return 2; }
    void removeDefaultInputListener(ListenerID) override {}

private:
    bool running_;
};

class FakeSecureInputProbe : public SecureInputProbe {
public:
    FakeSecureInputProbe(bool enabled = false, std::optional<int32_t> pid = std::nullopt,
                         std::optional<std::string> name = std::nullopt)
        : enabled_(enabled), pid_(pid), name_(std::move(name)) {}
    bool isSecureInputEnabled() override { return enabled_; }
    std::optional<int32_t> holderPID() override { return pid_; }
    std::optional<std::string> applicationName(int32_t) override { return name_; }

private:
    bool enabled_;
    std::optional<int32_t> pid_;
    std::optional<std::string> name_;
};

// A whole platform of stand-ins: a silent output, a scripted tap, a login
// item in memory, "org.example.Mail" in front, no microphone in use, no
// secure input and a bell that does nothing.
Platform fakePlatform();

}  // namespace tocko
