import QtQuick
import Tocko.Theme
import Tocko.Views

// What is missing from the input access, and what became of the last
// "Grant access…": one short caption, empty (and hidden) when there is
// nothing to say.
Text {
    id: note
    property var app

    // InputAccessGrant: 0 idle, 1 asking, 2 granted, 3 needsNewLogin,
    // 4 notGranted, 5 unavailable.
    readonly property int grant: app && app.inputAccessGrant !== undefined ? app.inputAccessGrant : 0
    readonly property bool partial: app ? app.permissionPartial === true : false
    readonly property bool granted: app ? app.permissionGranted === true : false

    function message() {
        if (granted) return ""
        if (grant === 3) return qsTranslate("Tocko", "Access granted. Log out and back in so that Tocko hears every app.")
        if (grant === 4) return qsTranslate("Tocko", "Access was not granted.")
        if (grant === 5) return qsTranslate("Tocko", "No administrator prompt (pkexec) is available on this system.")
        if (partial) return qsTranslate("Tocko", "Only X11 windows are heard. On Wayland, Tocko needs access to the keyboard devices to hear every app.")
        return ""
    }

    text: message()
    visible: text !== ""
    wrapMode: Text.Wrap
    font.pixelSize: ViewStyle.caption
    color: Theme.inkSoft
}
