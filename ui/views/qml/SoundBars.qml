import QtQuick
import Tocko.Theme
import Tocko.Views

// A level-meter strip: each bar swings between its height and the height
// five places on, staggered; still while motion is reduced.
Row {
    id: bars
    property var heights: [9, 17, 12, 21, 10, 15, 22, 10, 18, 13, 8, 16]
    property bool phase: false
    property bool reduceMotion: Motion.reduceMotion
    spacing: 3
    height: 22

    Component.onCompleted: phase = true

    Repeater {
        model: bars.heights.length
        Rectangle {
            id: bar
            required property int index
            readonly property real low: bars.heights[index]
            readonly property real high: bars.heights[(index + 5) % bars.heights.length]
            width: 5
            radius: 2.5
            height: low
            anchors.bottom: parent ? parent.bottom : undefined
            color: Theme.accent
            SequentialAnimation {
                running: bars.phase && !bars.reduceMotion
                PauseAnimation { duration: 50 * bar.index }
                SequentialAnimation {
                    loops: Animation.Infinite
                    NumberAnimation { target: bar; property: "height"; to: bar.high; duration: 500; easing.type: Easing.InOutQuad }
                    NumberAnimation { target: bar; property: "height"; to: bar.low; duration: 500; easing.type: Easing.InOutQuad }
                }
            }
        }
    }
}
