import QtQuick
import QtQuick.Templates as T
import QtQuick.Window
import Tocko.Theme
import Tocko.Views

// A menu-style picker: shows the label of the current value and opens a
// menu of `entries` ([{kind: "header"|"item"|"divider", text, value}]).
// Choosing runs `activated(value)`; `choose(value)` does the same from code.
T.AbstractButton {
    id: control
    property var entries: []
    property var currentValue
    property string placeholder: ""
    property real fontSize: ViewStyle.body
    signal activated(var value)
    signal aboutToOpen()

    function labelFor(value) {
        for (let i = 0; i < entries.length; ++i)
            if (entries[i].kind === "item" && entries[i].value === value) return entries[i].text
        return placeholder
    }
    function choose(value) { activated(value) }

    text: labelFor(currentValue)
    implicitHeight: 24
    implicitWidth: Math.max(120, label.implicitWidth + 36)
    hoverEnabled: true
    opacity: enabled ? 1 : 0.45
    Accessible.role: Accessible.ComboBox
    Accessible.name: text

    onClicked: {
        aboutToOpen()
        const p = control.mapToGlobal(0, control.height)
        const chosen = MenuPopup.exec(entries, currentValue, p.x, p.y)
        // The menu took the focus from the window; hand it back.
        if (control.Window.window) control.Window.window.requestActivate()
        if (chosen !== undefined) activated(chosen)
    }

    background: Rectangle {
        radius: 6
        FocusRing { control: control; radius: parent.radius + 3 }
        color: control.down ? ViewStyle.withAlpha(Theme.ink, 0.10) : Theme.card
        border.color: ViewStyle.withAlpha(Theme.ink, control.hovered ? 0.28 : 0.16)
    }
    contentItem: Item {
        Text {
            id: label
            anchors.left: parent.left
            anchors.leftMargin: 8
            anchors.right: chevron.left
            anchors.rightMargin: 4
            anchors.verticalCenter: parent.verticalCenter
            text: control.text
            color: Theme.ink
            elide: Text.ElideRight
            font.pixelSize: Math.round(control.fontSize)
        }
        Symbol {
            id: chevron
            name: "chevron.up.down"
            size: 11
            color: ViewStyle.secondary
            anchors.right: parent.right
            anchors.rightMargin: 7
            anchors.verticalCenter: parent.verticalCenter
        }
    }
}
