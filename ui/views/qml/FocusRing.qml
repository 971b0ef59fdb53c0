import QtQuick
import Tocko.Theme

// The keyboard focus of a control, drawn in the accent colour around the
// item it is put in (usually the control's background).
Rectangle {
    property Item control
    property real inset: -3
    anchors.fill: parent
    anchors.margins: inset
    radius: 6
    color: "transparent"
    border.width: 2
    border.color: Theme.accent
    visible: control !== null && control.visualFocus === true
}
