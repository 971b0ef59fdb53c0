import QtQuick
import QtQuick.Templates as T
import Tocko.Theme
import Tocko.Views

// A capsule button; filled with the accent while selected.
T.AbstractButton {
    id: chip
    property string label
    property bool selected: false
    property real chipHeight: 27
    property real fontSize: 12

    text: label
    implicitWidth: labelText.implicitWidth + 0.8 * chipHeight
    implicitHeight: chipHeight
    hoverEnabled: true
    opacity: down ? 0.82 : 1
    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.selectable: true
    Accessible.selected: selected

    background: Rectangle {
        radius: height / 2
        FocusRing { control: chip; radius: parent.radius + 3 }
        color: chip.selected ? Theme.accent : Theme.card
        border.width: chip.selected ? 0 : 1
        border.color: ViewStyle.withAlpha(Theme.ink, chip.hovered ? 0.28 : 0.16)
    }
    contentItem: Text {
        id: labelText
        text: chip.label
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Math.round(chip.fontSize)
        font.weight: Font.DemiBold
        color: chip.selected ? ViewStyle.chipInk : Theme.ink
    }
}
