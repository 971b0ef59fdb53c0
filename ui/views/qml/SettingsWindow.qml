import QtQuick
import QtQuick.Window
import Tocko.Theme
import Tocko.Views

// The Settings window: a fixed 480 × 600.
Window {
    id: window
    property var app
    property ContextModel context
    property var updater: null
    property ViewActions actions

    title: qsTranslate("Tocko", "Settings")
    width: 480
    height: 600
    minimumWidth: 480
    maximumWidth: 480
    minimumHeight: 600
    maximumHeight: 600
    color: Theme.paper

    SettingsView {
        app: window.app
        context: window.context
        actions: window.actions
    }
}
