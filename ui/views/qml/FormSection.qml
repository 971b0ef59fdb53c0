import QtQuick
import Tocko.Theme
import Tocko.Views

// One group of the Settings form: its header above a rounded box holding
// the rows.
Column {
    id: section
    property string title
    default property alias rows: box.data

    width: parent ? parent.width : 400
    spacing: 6

    Text {
        x: 4
        text: section.title
        font.pixelSize: ViewStyle.caption
        font.weight: Font.DemiBold
        color: ViewStyle.secondary
    }
    Rectangle {
        width: parent.width
        height: box.implicitHeight + 20
        radius: 8
        color: Theme.card
        border.color: ViewStyle.withAlpha(Theme.ink, 0.08)
        Column {
            id: box
            x: 12
            y: 10
            width: parent.width - 24
            spacing: 10
        }
    }
}
