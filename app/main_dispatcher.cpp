#include "app/main_dispatcher.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <atomic>

#include "support/main_thread.h"

namespace tocko {

void installQtMainDispatcher() {
    static std::atomic<bool> installed{false};
    if (installed.exchange(true)) return;
    setMainDispatcher([](std::function<void()> task) {
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
    });
}

}  // namespace tocko
