// Waiting on the Qt event loop, for the suites that run one.
#include <QCoreApplication>
#include <QElapsedTimer>

#include "test_support.h"

namespace tocko::test {

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeout.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

void spin(std::chrono::milliseconds period) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < period.count()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace tocko::test
