import QtQuick
import Tocko.Theme
import Tocko.Views

// A symbol tile beside a bold title and its explanation.
Row {
    id: tip
    property string icon
    property string title
    property string text

    width: parent ? parent.width : 360
    spacing: 12

    IconTile { symbol: tip.icon }
    Column {
        width: tip.width - 44
        spacing: 3
        Text {
            width: parent.width
            wrapMode: Text.Wrap
            text: tip.title
            font.pixelSize: 14
            font.weight: Font.Bold
            color: Theme.ink
        }
        BrandText {
            width: parent.width
            wrapMode: Text.Wrap
            source: tip.text
            size: 13
            color: Theme.inkSoft
        }
    }
}
