import QtQuick
import Tocko.Theme
import Tocko.Views

// The small capitals above a heading.
Text {
    font.family: Theme.monoFont(11).family
    font.pixelSize: 11
    font.weight: Font.Bold
    font.letterSpacing: 1.5
    font.capitalization: Font.AllUppercase
    color: Theme.deepTeal
}
