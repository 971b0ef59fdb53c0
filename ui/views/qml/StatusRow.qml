import QtQuick
import Tocko.Theme
import Tocko.Views

// A read-only label–value row of the status section.
Item {
    id: row
    property string label
    property string value
    width: parent ? parent.width : 400
    implicitHeight: Math.max(labelText.implicitHeight, valueText.implicitHeight)

    Text {
        id: labelText
        text: row.label
        color: Theme.ink
        font.pixelSize: ViewStyle.body
    }
    Text {
        id: valueText
        objectName: row.objectName + "Value"
        anchors.right: parent.right
        width: Math.min(implicitWidth, row.width - labelText.implicitWidth - 16)
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideMiddle
        text: row.value
        color: ViewStyle.secondary
        font.pixelSize: ViewStyle.body
    }
}
