import QtQuick
import Tocko.Theme
import Tocko.Views

// A pack's name in capitals with a coloured dot, on a tinted rounded
// background; the colour cycles through accent, amber and slate in pack order.
Rectangle {
    id: badge
    property string pack
    property real fontSize: 9
    readonly property color tone: [Theme.accent, Theme.amber, Theme.slate][Packs.indexOf(pack) % 3]

    implicitWidth: row.implicitWidth + 16
    implicitHeight: row.implicitHeight + 6
    width: implicitWidth
    height: implicitHeight
    radius: height / 2
    color: ViewStyle.withAlpha(tone, 0.15)

    Row {
        id: row
        x: 8
        y: 3
        spacing: 4
        Rectangle {
            width: 6
            height: 6
            radius: 3
            color: badge.tone
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            objectName: "badgeText"
            text: Packs.displayName(badge.pack).toUpperCase()
            font.family: Theme.monoFont(badge.fontSize).family
            font.pixelSize: badge.fontSize
            font.weight: Font.Bold
            font.letterSpacing: 0.06 * badge.fontSize
            color: badge.tone
        }
    }
}
