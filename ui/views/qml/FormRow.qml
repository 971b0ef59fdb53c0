import QtQuick
import Tocko.Theme
import Tocko.Views

// A label at the leading edge and a control (or a value) at the trailing one.
Item {
    id: row
    property string label
    default property alias control: slot.data

    width: parent ? parent.width : 400
    implicitHeight: Math.max(labelText.implicitHeight, slot.childrenRect.height, 22)

    Text {
        id: labelText
        anchors.verticalCenter: parent.verticalCenter
        text: row.label
        color: Theme.ink
        font.pixelSize: ViewStyle.body
    }
    Item {
        id: slot
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: childrenRect.width
        height: childrenRect.height
    }
}
