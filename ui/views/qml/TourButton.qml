import QtQuick
import QtQuick.Templates as T
import Tocko.Theme
import Tocko.Views

// The tour's buttons: prominent (accent fill) or secondary (light fill with
// an outline), with an optional symbol.
T.AbstractButton {
    id: button
    property bool prominent: true
    property real buttonHeight: 32
    property string symbol

    implicitHeight: buttonHeight
    implicitWidth: content.implicitWidth + 2 * (prominent ? 18 : 16)
    hoverEnabled: true
    opacity: down ? 0.82 : (enabled ? 1 : 0.5)
    scale: down ? 0.98 : 1
    Accessible.role: Accessible.Button
    Accessible.name: text
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    background: Rectangle {
        radius: 8
        FocusRing { control: button; radius: parent.radius + 3 }
        color: button.prominent ? Theme.accent
             : ViewStyle.withAlpha(Theme.ink, button.hovered ? 0.09 : 0.05)
        border.width: button.prominent ? (button.activeFocus ? 2 : 0) : 1
        border.color: button.prominent ? ViewStyle.withAlpha(Theme.deepTeal, 0.6) : ViewStyle.withAlpha(Theme.ink, 0.16)
    }
    contentItem: Item {
        implicitWidth: content.implicitWidth
        implicitHeight: content.implicitHeight
        Row {
            id: content
            anchors.centerIn: parent
            spacing: 6
            Symbol {
                visible: button.symbol !== ""
                name: button.symbol
                size: 14
                color: label.color
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                id: label
                text: button.text
                font.pixelSize: 13
                font.weight: button.prominent ? Font.DemiBold : Font.Medium
                color: button.prominent ? ViewStyle.chipInk : Theme.ink
                anchors.verticalCenter: parent.verticalCenter
            }
        }
    }
}
