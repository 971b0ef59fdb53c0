import QtQuick
import Tocko.Theme
import Tocko.Views

// An accent glow behind its content that breathes, or holds still while
// motion is reduced.
Item {
    id: pulse
    default property alias content: holder.data
    property bool on: false
    property bool reduceMotion: Motion.reduceMotion
    property real cornerRadius: 12
    property real glow: on ? 10 : 0     // glow radius in points

    implicitWidth: holder.childrenRect.width
    implicitHeight: holder.childrenRect.height

    Component.onCompleted: on = true

    Repeater {
        model: 4
        Rectangle {
            required property int index
            readonly property real grow: pulse.glow * (index + 1) / 4
            x: -grow
            y: -grow
            width: pulse.width + 2 * grow
            height: pulse.height + 2 * grow
            radius: pulse.cornerRadius + grow
            color: ViewStyle.withAlpha(Theme.accent, pulse.glow > 0 ? 0.55 / 4 : 0)
        }
    }
    SequentialAnimation {
        running: pulse.on && !pulse.reduceMotion
        loops: Animation.Infinite
        NumberAnimation { target: pulse; property: "glow"; from: 0; to: 10; duration: 1600; easing.type: Easing.InOutSine }
        NumberAnimation { target: pulse; property: "glow"; from: 10; to: 0; duration: 1600; easing.type: Easing.InOutSine }
    }
    Item {
        id: holder
        anchors.fill: parent
    }
}
