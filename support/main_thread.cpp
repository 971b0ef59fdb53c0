#include "support/main_thread.h"

#include <memory>
#include <mutex>

#include "support/serial_queue.h"

namespace tocko {

namespace {
std::mutex gMutex;
MainDispatcher gDispatcher;
}  // namespace

void setMainDispatcher(MainDispatcher dispatcher) {
    std::lock_guard lock(gMutex);
    gDispatcher = std::move(dispatcher);
}

void postToMain(std::function<void()> task) {
    MainDispatcher d;
    {
        std::lock_guard lock(gMutex);
        d = gDispatcher;
    }
    if (d) {
        d(std::move(task));
        return;
    }
    static SerialQueue fallback("com.tocko.main");
    fallback.async(std::move(task));
}

}  // namespace tocko
