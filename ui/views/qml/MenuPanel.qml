import QtQuick
import QtQuick.Window
import Tocko.Theme
import Tocko.Views

// The frameless window that holds the menu panel under the tray icon. It
// hides when it loses the focus (except to one of its own pickers' menus)
// and on Escape. Where no tray shows the icon, and on Wayland, where no
// window may place itself, it is a normal window that the window manager
// decorates and places; without a tray it stays until closed or Escape.
Window {
    id: panel
    property var app
    property ContextModel context
    property var updater: null
    property ViewActions actions
    // Opened as a window of its own, not as the tray icon's popover.
    property bool standalone: false
    // A remark shown above the controls (how to get a tray icon); none: "".
    property string note: ""

    flags: standalone || Qt.platform.pluginName.startsWith("wayland")
           ? Qt.Window : Qt.Tool | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    title: qsTranslate("Tocko", "Tocko")
    width: view.width
    height: view.y + view.implicitHeight
    color: Theme.paper

    onActiveChanged: if (!active && !standalone && !MenuPopup.isOpen) hide()

    Note {
        id: noteBox
        objectName: "panelNote"
        x: 14
        y: 14
        width: view.width - 28
        visible: panel.note !== ""
        text: panel.note
    }
    MenuView {
        id: view
        y: noteBox.visible ? noteBox.y + noteBox.height : 0
        app: panel.app
        context: panel.context
        updater: panel.updater
        actions: panel.actions
        focus: true
        Keys.onEscapePressed: panel.hide()
    }
    // Escape closes the panel whichever control has the keyboard focus.
    Shortcut {
        sequence: "Escape"
        context: Qt.WindowShortcut
        onActivated: panel.hide()
    }
    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.color: ViewStyle.withAlpha(Theme.ink, 0.14)
    }
}
