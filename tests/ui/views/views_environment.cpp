// Before the first view test: software rendering, which grabs the same pixels
// on every machine, and the bundled fonts.
#include <gtest/gtest.h>

#include <QQuickWindow>

#include "ui/theme/fonts.h"

namespace {

class ViewsEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        tocko::registerBundledFonts();
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ViewsEnvironment);

}  // namespace
