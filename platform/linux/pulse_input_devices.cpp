// Input devices of the audio server through libpulse. A device is a source;
// its number is the server's source index plus one, so that 0 keeps meaning
// "none". "Running" is the source state PA_SOURCE_RUNNING: some stream
// records from it. A sink's monitor is never a microphone: recording it (a
// screen recorder, a visualiser, or PipeWire making it the default source
// when there is no microphone) never reads as running. A subscription to
// server and source events on the threaded main loop tells the listeners
// when the running state of a source or the default source changes; when
// the server goes away the default device reads 0 and the connection is
// retried.

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "context/mic_monitor.h"
#include "platform/linux/linux_platform.h"

namespace tocko {

namespace {

bool countsAsRunning(const pa_source_info* info) {
    return info->state == PA_SOURCE_RUNNING && info->monitor_of_sink == PA_INVALID_INDEX;
}

constexpr pa_usec_t kRetryDelay = 3 * PA_USEC_PER_SEC;
// How long a connection may take to become ready (and give its first
// answers), and how long any one query may wait for its reply. A server that
// accepts connections and never answers would otherwise hold the start for
// libpulse's own timeout of half a minute.
constexpr pa_usec_t kAnswerTimeout = 2 * PA_USEC_PER_SEC;

pa_time_event* armTimer(pa_mainloop_api* api, pa_usec_t after, pa_time_event_cb_t callback, void* userdata) {
    timeval tv;
    pa_timeval_add(pa_gettimeofday(&tv), after);
    return api->time_new(api, &tv, callback, userdata);
}

class PulseInputDevices final : public InputDeviceSystem {
public:
    PulseInputDevices() {
        mainloop_ = pa_threaded_mainloop_new();
        if (!mainloop_) return;
        pa_threaded_mainloop_set_name(mainloop_, "tocko-pulse-in");
        pa_threaded_mainloop_lock(mainloop_);
        if (pa_threaded_mainloop_start(mainloop_) < 0) {
            pa_threaded_mainloop_unlock(mainloop_);
            pa_threaded_mainloop_free(mainloop_);
            mainloop_ = nullptr;
            return;
        }
        connect();
        // Wait for the first connection attempt to settle, so the first
        // reads see the server's state.
        while (waitingForFirstState_) pa_threaded_mainloop_wait(mainloop_);
        pa_threaded_mainloop_unlock(mainloop_);
    }

    ~PulseInputDevices() override {
        if (!mainloop_) return;
        pa_threaded_mainloop_lock(mainloop_);
        if (retry_) api()->time_free(retry_);
        retry_ = nullptr;
        dropContext();
        pa_threaded_mainloop_unlock(mainloop_);
        pa_threaded_mainloop_stop(mainloop_);
        pa_threaded_mainloop_free(mainloop_);
    }

    DeviceID defaultInputDevice() override {
        Lock lock(this);
        if (!lock.canQuery()) return 0;
        std::optional<std::string> name;
        struct ServerReply {
            PulseInputDevices* self;
            std::optional<std::string>* name;
        } sr{this, &name};
        run(pa_context_get_server_info(
            context_,
            [](pa_context*, const pa_server_info* info, void* ud) {
                auto* r = static_cast<ServerReply*>(ud);
                if (info && info->default_source_name) *r->name = info->default_source_name;
                pa_threaded_mainloop_signal(r->self->mainloop_, 0);
            },
            &sr));
        if (!name || !ready_) return 0;
        SourceReply reply{this, std::nullopt, std::nullopt};
        run(pa_context_get_source_info_by_name(context_, name->c_str(), &SourceReply::callback, &reply));
        return reply.index ? *reply.index + 1 : 0;
    }

    std::optional<bool> deviceIsRunning(DeviceID device) override {
        if (device == 0) return std::nullopt;
        Lock lock(this);
        if (!lock.canQuery()) return std::nullopt;
        SourceReply reply{this, std::nullopt, std::nullopt};
        run(pa_context_get_source_info_by_index(context_, device - 1, &SourceReply::callback, &reply));
        return reply.running;
    }

    ListenerID addRunningListener(DeviceID device, SerialQueue& queue, Listener listener) override {
        Lock lock(this);
        runningListeners_.push_back({nextListener_, device, &queue, std::move(listener)});
        return nextListener_++;
    }
    void removeRunningListener(DeviceID, ListenerID id) override {
        Lock lock(this);
        std::erase_if(runningListeners_, [id](const Registration& r) { return r.id == id; });
    }
    ListenerID addDefaultInputListener(SerialQueue& queue, Listener listener) override {
        Lock lock(this);
        defaultListeners_.push_back({nextListener_, 0, &queue, std::move(listener)});
        return nextListener_++;
    }
    void removeDefaultInputListener(ListenerID id) override {
        Lock lock(this);
        std::erase_if(defaultListeners_, [id](const Registration& r) { return r.id == id; });
    }

private:
    struct Registration {
        ListenerID id;
        DeviceID device;
        SerialQueue* queue;
        Listener listener;
    };

    // Holds the main loop's lock. Blocking queries are refused on the loop's
    // own thread, which would wait for itself.
    class Lock {
    public:
        explicit Lock(PulseInputDevices* self) : self_(self) {
            if (self_->mainloop_) pa_threaded_mainloop_lock(self_->mainloop_);
        }
        ~Lock() {
            if (self_->mainloop_) pa_threaded_mainloop_unlock(self_->mainloop_);
        }
        bool canQuery() const {
            return self_->mainloop_ && self_->ready_ && !pa_threaded_mainloop_in_thread(self_->mainloop_);
        }

    private:
        PulseInputDevices* self_;
    };

    struct SourceReply {
        PulseInputDevices* self;
        std::optional<uint32_t> index;
        std::optional<bool> running;
        static void callback(pa_context*, const pa_source_info* info, int eol, void* ud) {
            auto* r = static_cast<SourceReply*>(ud);
            if (info) {
                r->index = info->index;
                r->running = countsAsRunning(info);
            }
            if (eol != 0) pa_threaded_mainloop_signal(r->self->mainloop_, 0);
        }
    };

    pa_mainloop_api* api() { return pa_threaded_mainloop_get_api(mainloop_); }

    // Waits, lock held, until the reply has come, the connection is lost or
    // the server has kept silent for kAnswerTimeout; a silent server is
    // dropped and tried again later.
    void run(pa_operation* op) {
        if (!op) return;
        struct Deadline {
            PulseInputDevices* self;
            bool passed = false;
        } deadline{this};
        pa_time_event* timer = armTimer(
            api(), kAnswerTimeout,
            [](pa_mainloop_api*, pa_time_event*, const timeval*, void* ud) {
                auto* d = static_cast<Deadline*>(ud);
                d->passed = true;
                pa_threaded_mainloop_signal(d->self->mainloop_, 0);
            },
            &deadline);
        while (pa_operation_get_state(op) == PA_OPERATION_RUNNING && ready_ && !deadline.passed)
            pa_threaded_mainloop_wait(mainloop_);
        if (timer) api()->time_free(timer);
        if (pa_operation_get_state(op) == PA_OPERATION_RUNNING) pa_operation_cancel(op);
        pa_operation_unref(op);
        if (deadline.passed && ready_) {
            dropContext();
            connectionLost();
        }
    }

    // --- on the main loop's thread (or with its lock held) ---

    void connect() {
        context_ = pa_context_new(api(), "Tocko");
        if (!context_) {
            connectionLost();
            return;
        }
        pa_context_set_state_callback(
            context_, [](pa_context* c, void* ud) { static_cast<PulseInputDevices*>(ud)->stateChanged(c); },
            this);
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            connectionLost();
            return;
        }
        // Not ready, or no first answer, in time: the server is taken as gone.
        connectTimer_ = armTimer(
            api(), kAnswerTimeout,
            [](pa_mainloop_api* a, pa_time_event* e, const timeval*, void* ud) {
                auto* self = static_cast<PulseInputDevices*>(ud);
                a->time_free(e);
                self->connectTimer_ = nullptr;
                if (self->ready_ && !self->waitingForFirstState_) return;
                self->dropContext();
                self->connectionLost();
            },
            this);
    }

    void stopConnectTimer() {
        if (connectTimer_) api()->time_free(connectTimer_);
        connectTimer_ = nullptr;
    }

    void dropContext() {
        stopConnectTimer();
        if (!context_) return;
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_set_subscribe_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }

    void stateChanged(pa_context* c) {
        if (c != context_) return;
        switch (pa_context_get_state(c)) {
            case PA_CONTEXT_READY:
                ready_ = true;
                pa_context_set_subscribe_callback(
                    c,
                    [](pa_context*, pa_subscription_event_type_t t, uint32_t index, void* ud) {
                        static_cast<PulseInputDevices*>(ud)->event(t, index);
                    },
                    this);
                if (pa_operation* op = pa_context_subscribe(
                        c, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SERVER | PA_SUBSCRIPTION_MASK_SOURCE),
                        nullptr, nullptr))
                    pa_operation_unref(op);
                seedRunningStates();
                refreshDefault();
                break;
            case PA_CONTEXT_FAILED:
            case PA_CONTEXT_TERMINATED:
                connectionLost();
                break;
            default:
                break;
        }
        pa_threaded_mainloop_signal(mainloop_, 0);
    }

    void connectionLost() {
        stopConnectTimer();
        ready_ = false;
        runningStates_.clear();
        if (waitingForFirstState_) {
            waitingForFirstState_ = false;
        } else if (trackedDefault_ != 0) {
            trackedDefault_ = 0;
            notify(defaultListeners_);
        }
        if (!retry_) {
            timeval tv;
            pa_timeval_add(pa_gettimeofday(&tv), kRetryDelay);
            retry_ = api()->time_new(
                api(), &tv,
                [](pa_mainloop_api* a, pa_time_event* e, const timeval*, void* ud) {
                    auto* self = static_cast<PulseInputDevices*>(ud);
                    a->time_free(e);
                    self->retry_ = nullptr;
                    self->dropContext();
                    self->connect();
                },
                this);
        }
        pa_threaded_mainloop_signal(mainloop_, 0);
    }

    void event(pa_subscription_event_type_t t, uint32_t index) {
        const unsigned facility = t & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        const unsigned type = t & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
        if (facility == PA_SUBSCRIPTION_EVENT_SERVER) {
            refreshDefault();
        } else if (facility == PA_SUBSCRIPTION_EVENT_SOURCE) {
            const DeviceID device = index + 1;
            if (type == PA_SUBSCRIPTION_EVENT_REMOVE) {
                auto it = runningStates_.find(device);
                const bool wasRunning = it != runningStates_.end() && it->second;
                if (it != runningStates_.end()) runningStates_.erase(it);
                if (wasRunning) notifyRunning(device);
            } else {
                querySourceState(index);
            }
            if (type != PA_SUBSCRIPTION_EVENT_CHANGE) refreshDefault();
        }
    }

    void seedRunningStates() {
        if (pa_operation* op = pa_context_get_source_info_list(
                context_,
                [](pa_context*, const pa_source_info* info, int, void* ud) {
                    if (info)
                        static_cast<PulseInputDevices*>(ud)->runningStates_[info->index + 1] =
                            countsAsRunning(info);
                },
                this))
            pa_operation_unref(op);
    }

    void querySourceState(uint32_t index) {
        if (pa_operation* op = pa_context_get_source_info_by_index(
                context_, index,
                [](pa_context*, const pa_source_info* info, int, void* ud) {
                    if (info)
                        static_cast<PulseInputDevices*>(ud)->sourceState(info->index + 1,
                                                                         countsAsRunning(info));
                },
                this))
            pa_operation_unref(op);
    }

    // Listeners hear of changes of the running state only, not of every
    // volume or property change of the source.
    void sourceState(DeviceID device, bool running) {
        auto [it, inserted] = runningStates_.try_emplace(device, running);
        const bool changed = inserted ? running : it->second != running;
        it->second = running;
        if (changed) notifyRunning(device);
    }

    void refreshDefault() {
        if (pa_operation* op = pa_context_get_server_info(
                context_,
                [](pa_context* c, const pa_server_info* info, void* ud) {
                    auto* self = static_cast<PulseInputDevices*>(ud);
                    if (!info || !info->default_source_name) {
                        self->defaultResolved(0);
                        return;
                    }
                    if (pa_operation* o = pa_context_get_source_info_by_name(
                            c, info->default_source_name,
                            [](pa_context*, const pa_source_info* s, int eol, void* ud2) {
                                auto* me = static_cast<PulseInputDevices*>(ud2);
                                if (s)
                                    me->defaultResolved(s->index + 1);
                                else if (eol < 0)
                                    me->defaultResolved(0);
                            },
                            self))
                        pa_operation_unref(o);
                },
                this))
            pa_operation_unref(op);
    }

    void defaultResolved(DeviceID device) {
        if (waitingForFirstState_) {
            // The first answer only primes the state: nobody can have read
            // an older one.
            waitingForFirstState_ = false;
            trackedDefault_ = device;
            pa_threaded_mainloop_signal(mainloop_, 0);
            return;
        }
        if (device == trackedDefault_) return;
        trackedDefault_ = device;
        notify(defaultListeners_);
    }

    void notifyRunning(DeviceID device) {
        for (const Registration& r : runningListeners_)
            if (r.device == device) r.queue->async(r.listener);
    }
    void notify(const std::vector<Registration>& list) {
        for (const Registration& r : list) r.queue->async(r.listener);
    }

    pa_threaded_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_time_event* retry_ = nullptr;
    pa_time_event* connectTimer_ = nullptr;
    bool ready_ = false;
    bool waitingForFirstState_ = true;
    DeviceID trackedDefault_ = 0;
    std::map<DeviceID, bool> runningStates_;
    std::vector<Registration> runningListeners_, defaultListeners_;
    ListenerID nextListener_ = 1;
};

}  // namespace

std::unique_ptr<InputDeviceSystem> makeInputDeviceSystem() { return std::make_unique<PulseInputDevices>(); }

}  // namespace tocko
