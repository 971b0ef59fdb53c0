import QtQuick
import Tocko.Theme
import Tocko.Views

// A card on the tour's stage.
Item {
    id: card
    default property alias content: column.data
    property real spacing: 8
    implicitWidth: column.implicitWidth + 28
    implicitHeight: column.implicitHeight + 20

    SoftShadow {
        anchors.fill: parent
        color: Theme.deepTeal
        radius: 14
        blur: 14
        offsetY: 8
        strength: 0.12
    }
    Rectangle {
        anchors.fill: parent
        radius: 14
        color: Theme.card
        border.color: ViewStyle.withAlpha(Theme.ink, 0.08)
    }
    Column {
        id: column
        x: 14
        y: 10
        width: card.width - 28
        spacing: card.spacing
    }
}
