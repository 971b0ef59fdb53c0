import QtQuick
import Tocko.Theme
import Tocko.Views

// A boxed remark, amber when it warns.
Rectangle {
    id: note
    property bool warning: false
    property string text

    width: Math.min(380, parent ? parent.width : 380)
    height: body.implicitHeight + 16
    radius: 8
    color: warning ? ViewStyle.withAlpha(Theme.amber, 0.14) : ViewStyle.withAlpha(Theme.ink, 0.05)
    border.color: warning ? ViewStyle.withAlpha(Theme.amber, 0.45) : ViewStyle.withAlpha(Theme.ink, 0.08)

    BrandText {
        id: body
        x: 10
        y: 8
        width: parent.width - 20
        wrapMode: Text.Wrap
        source: note.text
        size: 11.5
        color: Theme.ink
    }
}
