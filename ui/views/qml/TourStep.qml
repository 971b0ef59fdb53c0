import QtQuick
import Tocko.Theme
import Tocko.Views

// One step's content: the stage at the left, the step's column at the right.
Item {
    id: step
    property alias stage: stageSlot.data
    default property alias column: column.data
    property var app
    property ContextModel context
    property ViewActions actions

    Rectangle {
        id: stageArea
        x: 24
        width: 312
        height: parent.height - 8
        radius: 16
        color: Theme.paper
        clip: true
        Item {
            id: stageSlot
            anchors.fill: parent
        }
    }
    // The column scrolls when a language's texts make it taller than the step.
    Flickable {
        id: columnArea
        x: stageArea.x + stageArea.width + 20
        width: step.width - x - 32
        height: stageArea.height
        contentWidth: width
        contentHeight: column.height
        interactive: contentHeight > height
        boundsBehavior: Flickable.StopAtBounds
        clip: interactive
        Column {
            id: column
            width: columnArea.width
            // Centred beside the stage, from the top when it is taller.
            y: Math.max(0, (columnArea.height - height) / 2)
            spacing: 12
        }
    }
}
