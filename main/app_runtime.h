#pragma once
// The Qt application object of the tocko executable: a QApplication when a
// display is there, otherwise (or with --headless) a QGuiApplication on the
// offscreen platform, which still plays clicks. Closing the last window
// never quits (the tray stays); SIGINT and SIGTERM quit the event loop.

#include <QCoreApplication>
#include <memory>

namespace tocko {

class AppRuntime {
public:
    AppRuntime(int& argc, char** argv);
    ~AppRuntime();
    bool hasDisplay() const { return hasDisplay_; }
    int exec();

private:
    bool hasDisplay_ = false;
    std::unique_ptr<QCoreApplication> app_;
};

}  // namespace tocko
