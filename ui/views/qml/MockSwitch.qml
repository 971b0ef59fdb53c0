import QtQuick
import Tocko.Theme
import Tocko.Views

// A drawn switch for the mock-ups; springs to its new side.
Rectangle {
    id: mock
    property bool on: false
    property bool reduceMotion: Motion.reduceMotion
    width: 38
    height: 22
    radius: 11
    color: on ? Theme.accent : ViewStyle.withAlpha(Theme.ink, 0.22)
    Behavior on color { ColorAnimation { duration: mock.reduceMotion ? 0 : 250 } }
    Rectangle {
        width: 18
        height: 18
        radius: 9
        y: 2
        x: mock.on ? mock.width - width - 2 : 2
        color: "white"
        Behavior on x {
            enabled: !mock.reduceMotion
            SpringAnimation { spring: 5; damping: 0.35; epsilon: 0.2 }
        }
    }
}
