import QtQuick
import Tocko.Theme
import Tocko.Views

Rectangle {
    width: parent ? parent.width : 100
    height: 1
    color: ViewStyle.withAlpha(Theme.ink, 0.12)
}
