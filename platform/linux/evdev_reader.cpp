#include "platform/linux/evdev_reader.h"

namespace tocko {

bool isEvdevKeyCode(unsigned code) {
    if (code == 0 || code > KEY_MAX) return false;
    if (code >= BTN_MISC && code < KEY_OK) return false;  // mouse, joystick, gamepad, digitizer buttons
    if (code >= BTN_DPAD_UP && code <= BTN_DPAD_RIGHT) return false;
    if (code >= BTN_TRIGGER_HAPPY && code <= BTN_TRIGGER_HAPPY40) return false;
    return true;
}

bool isModifierKeyCode(unsigned code) {
    switch (code) {
        case KEY_LEFTCTRL:
        case KEY_RIGHTCTRL:
        case KEY_LEFTSHIFT:
        case KEY_RIGHTSHIFT:
        case KEY_LEFTALT:
        case KEY_RIGHTALT:
        case KEY_LEFTMETA:
        case KEY_RIGHTMETA:
        case KEY_CAPSLOCK:
        case KEY_FN:
            return true;
        default:
            return false;
    }
}

std::optional<TapEvent> EvdevDecoder::decode(const input_event& record) {
    if (record.type == EV_SYN) {
        if (record.code == SYN_DROPPED) {
            dropping_ = true;
            return TapEvent{TapEventType::TapDisabledByTimeout};
        }
        if (record.code == SYN_REPORT && dropping_) dropping_ = false;
        return std::nullopt;
    }
    if (dropping_ || record.type != EV_KEY) return std::nullopt;
    if (record.code == BTN_LEFT || record.code == BTN_RIGHT) {
        if (record.value != 1) return std::nullopt;
        return TapEvent{record.code == BTN_LEFT ? TapEventType::LeftMouseDown : TapEventType::RightMouseDown};
    }
    if (!isEvdevKeyCode(record.code) || isModifierKeyCode(record.code)) return std::nullopt;
    if (record.value == 1) {
        down_.set(record.code);
        return TapEvent{TapEventType::KeyDown, record.code, false};
    }
    if (record.value == 2) return TapEvent{TapEventType::KeyDown, record.code, true};
    if (record.value == 0 && down_.test(record.code)) {
        down_.reset(record.code);
        return TapEvent{TapEventType::KeyUp, record.code, false};
    }
    return std::nullopt;
}

}  // namespace tocko
