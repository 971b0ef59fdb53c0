import QtQuick
import Tocko.Theme
import Tocko.Views

// A big keycap with the letter K that presses itself every 1.7 s, with
// rings spreading behind it; still while motion is reduced.
Item {
    id: keycap
    property real size: 150
    property bool pressed: false
    property bool ripple: !reduceMotion
    property bool reduceMotion: Motion.reduceMotion

    width: size
    height: size

    Repeater {
        model: 2
        Rectangle {
            id: ring
            required property int index
            property real spread: 0
            anchors.centerIn: parent
            width: keycap.size * (1 + 0.5 * spread)
            height: width
            radius: 0.22 * width
            color: "transparent"
            border.width: 2
            border.color: Theme.accent
            opacity: keycap.ripple ? 0.6 * (1 - spread) : 0
            SequentialAnimation {
                running: keycap.ripple && keycap.visible
                PauseAnimation { duration: 1200 * ring.index }
                SequentialAnimation {
                    loops: Animation.Infinite
                    NumberAnimation { target: ring; property: "spread"; from: 0; to: 1; duration: 2400; easing.type: Easing.OutQuad }
                }
            }
        }
    }

    Item {
        id: cap
        objectName: "keycapFace"
        width: keycap.size
        height: keycap.size
        y: 0

        SoftShadow {
            anchors.fill: parent
            color: Theme.deepTeal
            radius: 0.22 * keycap.size
            blur: keycap.pressed ? 8 : 16
            offsetY: keycap.pressed ? 3 : 9
            strength: 0.25
        }
        // A picture rather than a painted item: a painted item paints on the
        // render thread, and Qt warns about a timer from there when the
        // step that holds it goes away.
        Image {
            anchors.fill: parent
            readonly property int px: Math.max(1, Math.round(2 * width))
            source: "image://tocko/accent/" + px + "/" + px + "/" + Math.round(2 * 0.22 * keycap.size)
            smooth: true
        }
        Rectangle {
            // the lower lip
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 0.22 * keycap.size
            radius: 0.22 * keycap.size
            color: Theme.deepTeal
            opacity: 0.55
            z: -1
        }
        Text {
            anchors.centerIn: parent
            anchors.verticalCenterOffset: -0.03 * keycap.size
            text: "K"
            font: Theme.displayFont(0.56 * keycap.size)
            color: Theme.mintWhite
        }
    }

    // Wait, press (ease-in), hold, release with a springy overshoot.
    SequentialAnimation {
        running: !keycap.reduceMotion && keycap.visible
        loops: Animation.Infinite
        onStopped: { keycap.pressed = false; cap.y = 0 }
        PauseAnimation { duration: 1700 }
        ScriptAction { script: keycap.pressed = true }
        NumberAnimation { target: cap; property: "y"; to: 0.035 * keycap.size; duration: 80; easing.type: Easing.InQuad }
        PauseAnimation { duration: 130 }
        ScriptAction { script: keycap.pressed = false }
        NumberAnimation { target: cap; property: "y"; to: 0; duration: 320; easing.type: Easing.OutBack; easing.overshoot: 3 }
    }
}
