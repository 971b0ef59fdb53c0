import QtQuick
import QtQuick.Templates as T
import Tocko.Theme
import Tocko.Views

T.Slider {
    id: control
    from: 0
    to: 1
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitHandleWidth + leftPadding + rightPadding)
    implicitHeight: 20
    padding: 6
    // The bound value; each user change reports `edited` and then follows
    // `modelValue` again.
    property real modelValue: 0
    signal edited(real value)

    value: modelValue
    onMoved: {
        edited(value)
        value = Qt.binding(function() { return control.modelValue })
    }
    background: Rectangle {
        x: control.leftPadding
        y: control.topPadding + control.availableHeight / 2 - height / 2
        width: control.availableWidth
        height: 4
        radius: 2
        color: ViewStyle.withAlpha(Theme.ink, 0.15)
        Rectangle {
            width: control.visualPosition * parent.width
            height: parent.height
            radius: 2
            color: Theme.accent
        }
    }
    handle: Rectangle {
        x: control.leftPadding + control.visualPosition * (control.availableWidth - width)
        y: control.topPadding + control.availableHeight / 2 - height / 2
        width: 14
        height: 14
        radius: 7
        FocusRing { control: control; radius: 10 }
        color: "white"
        border.color: ViewStyle.withAlpha(Theme.ink, 0.25)
    }
}
