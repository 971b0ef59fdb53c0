#include "ui/views/mouse_sound_setting.h"

#include "context/mouse_sound.h"
#include "support/user_settings.h"

namespace tocko::ui {

namespace {
constexpr const char* kKey = "mouseSound";
}

QString mouseSoundChoice(const QString& storedText, bool present) {
    const std::string text = storedText.toStdString();
    const MouseSound sound(present ? std::optional<std::string_view>(text) : std::nullopt);
    return QString::fromStdString(sound.storedText());
}

QString MouseSoundSetting::choice() const {
    const QVariant v = userSettings()->value(kKey);
    return mouseSoundChoice(v.toString(), v.isValid() && !v.isNull());
}

void MouseSoundSetting::setChoice(const QString& choice) {
    const QString normalized = mouseSoundChoice(choice, true);
    {
        const auto settings = userSettings();
        if (settings->value(kKey).toString() == normalized && settings->contains(kKey)) return;
    }
    storeMouseSound(MouseSound(normalized.toStdString()));
    emit choiceChanged();
}

}  // namespace tocko::ui
