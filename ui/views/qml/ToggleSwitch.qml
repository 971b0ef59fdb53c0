import QtQuick
import QtQuick.Templates as T
import Tocko.Theme
import Tocko.Views

// A switch-style toggle: label at the leading edge, switch at the trailing
// one. Greyed while disabled.
T.Switch {
    id: control
    property real fontSize: ViewStyle.body
    property bool small: false
    property color labelColor: Theme.ink
    property int labelWeight: Font.Normal
    // The bound value; a user's flip reports `flipped` and then follows
    // `value` again, so the model stays the one source of truth.
    property bool value: false
    signal flipped(bool on)

    checked: value
    onToggled: {
        flipped(checked)
        checked = Qt.binding(function() { return control.value })
    }

    width: parent ? parent.width : implicitWidth
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(label.implicitHeight, track.height) + 4
    padding: 0
    spacing: 8
    opacity: enabled ? 1 : 0.45
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked

    background: Item {
        FocusRing { control: control; inset: -2 }
    }
    indicator: Rectangle {
        id: track
        x: control.width - width
        anchors.verticalCenter: parent.verticalCenter
        width: control.small ? 28 : 34
        height: control.small ? 16 : 20
        radius: height / 2
        color: control.checked ? Theme.accent : ViewStyle.withAlpha(Theme.ink, 0.18)
        Behavior on color { ColorAnimation { duration: 120 } }
        Rectangle {
            width: parent.height - 4
            height: width
            radius: width / 2
            y: 2
            x: control.checked ? parent.width - width - 2 : 2
            color: "white"
            border.color: ViewStyle.withAlpha(Theme.ink, 0.15)
            Behavior on x { NumberAnimation { duration: 120 } }
        }
    }
    contentItem: Text {
        id: label
        text: control.text
        color: control.labelColor
        font.pixelSize: Math.round(control.fontSize)
        font.weight: control.labelWeight
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        rightPadding: track.width + control.spacing
    }
}
