import QtQuick
import Tocko.Views

// A soft drop shadow behind a rounded card, drawn as stacked translucent
// outlines so it renders the same with every scene graph backend. Place it
// before the card, filling the card's bounds.
Item {
    id: shadow
    property color color: "black"
    property real radius: 12       // the card's corner radius
    property real blur: 14
    property real offsetY: 8
    property real strength: 0.12   // opacity of the whole shadow

    Repeater {
        model: 6
        Rectangle {
            required property int index
            readonly property real grow: shadow.blur * (index + 1) / 6
            x: -grow / 2
            y: shadow.offsetY - grow / 2
            width: shadow.width + grow
            height: shadow.height + grow
            radius: shadow.radius + grow / 2
            color: Qt.rgba(shadow.color.r, shadow.color.g, shadow.color.b, shadow.strength / 6)
        }
    }
}
