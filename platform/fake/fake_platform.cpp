#include "platform/fake/fake_platform.h"

#include "audio/null_output.h"
#include "platform/fake/fake_backend.h"

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

Platform fakePlatform() {
    Platform p;
    p.audioOutput = std::make_unique<NullOutput>();
    p.tapBackends = std::make_shared<FakeTapFactory>();
    p.loginItem = std::make_shared<FakeLoginItem>();
    p.frontmost = std::make_unique<FakeFrontmostSource>(FrontmostApp{"org.example.Mail", "Mail"});
    p.microphone = std::make_unique<FakeInputDevices>(false);
    p.secureInput = std::make_unique<FakeSecureInputProbe>();
    p.foreignSound = [] {};
    return p;
}

}  // namespace tocko
