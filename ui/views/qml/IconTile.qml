import QtQuick
import Tocko.Theme
import Tocko.Views

// A symbol centred in a 32 × 32 rounded square tinted deep teal.
Rectangle {
    property string symbol
    width: 32
    height: 32
    radius: 9
    color: ViewStyle.withAlpha(Theme.deepTeal, 0.12)
    Symbol {
        anchors.centerIn: parent
        name: parent.symbol
        size: 15
        color: Theme.deepTeal
    }
}
