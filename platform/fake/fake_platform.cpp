#include "platform/fake/fake_platform.h"

namespace tocko {

bool FakeLoginItem::change(bool on, std::string& error, int& counter) {
    ++counter;
    if (failWith) {
        error = *failWith;
        failWith.reset();
        return false;
    }
    enabled = on;
    return true;
}

double FakeLocalizationProbe::renderedWidth(const std::string& localeId, const std::string& key) {
    keys.push_back(key);
    return localeId == "de" ? widthDe : widthEn;
}

std::string FakeLocalizationProbe::germanTranslation(const std::string& key) {
    keys.push_back(key);
    return german;
}

void FakeFrontmostSource::activate(FrontmostApp app) {
    app_ = std::move(app);
    if (handler_) handler_(app_);
}

}  // namespace tocko
