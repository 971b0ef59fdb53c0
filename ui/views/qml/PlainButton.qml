import QtQuick
import QtQuick.Templates as T
import Tocko.Theme
import Tocko.Views

// A borderless button: an optional symbol and its label, highlighted under
// the pointer. Greyed while disabled.
T.AbstractButton {
    id: control
    property string symbol
    property color tint: Theme.ink
    property real fontSize: ViewStyle.body
    property bool fill: false        // spans its parent's width like a menu row

    implicitWidth: row.implicitWidth + (fill ? 12 : 8)
    implicitHeight: Math.max(22, row.implicitHeight + 6)
    width: fill && parent ? parent.width : implicitWidth
    opacity: enabled ? 1 : 0.4
    hoverEnabled: true
    Accessible.role: Accessible.Button
    Accessible.name: text

    background: Rectangle {
        radius: 5
        FocusRing { control: control; radius: parent.radius + 3 }
        color: control.down ? ViewStyle.withAlpha(Theme.accent, 0.28)
             : control.hovered && control.enabled ? ViewStyle.withAlpha(Theme.accent, 0.16) : "transparent"
    }
    contentItem: Item {
        implicitWidth: row.implicitWidth
        implicitHeight: row.implicitHeight
        Row {
            id: row
            x: control.fill ? 6 : 4
            anchors.verticalCenter: parent.verticalCenter
            spacing: 6
            Symbol {
                visible: control.symbol !== ""
                name: control.symbol
                size: control.fontSize + 1
                color: control.tint
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                text: control.text
                color: control.tint
                font.pixelSize: Math.round(control.fontSize)
                anchors.verticalCenter: parent.verticalCenter
            }
        }
    }
}
