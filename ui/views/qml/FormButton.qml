import QtQuick
import QtQuick.Templates as T
import Tocko.Theme
import Tocko.Views

// A small bordered push button of the Settings form; greyed while disabled.
T.AbstractButton {
    id: button
    implicitWidth: Math.max(56, label.implicitWidth + 24)
    implicitHeight: 24
    hoverEnabled: true
    opacity: enabled ? 1 : 0.45
    Accessible.role: Accessible.Button
    Accessible.name: text

    background: Rectangle {
        radius: 6
        FocusRing { control: button; radius: parent.radius + 3 }
        color: button.down ? ViewStyle.withAlpha(Theme.ink, 0.10) : Theme.card
        border.color: ViewStyle.withAlpha(Theme.ink, button.hovered && button.enabled ? 0.3 : 0.18)
    }
    contentItem: Text {
        id: label
        text: button.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: ViewStyle.body
        color: Theme.ink
    }
}
