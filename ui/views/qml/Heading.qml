import QtQuick
import Tocko.Theme
import Tocko.Views

// A tour heading in the display font; "Tocko" shows as the wordmark.
BrandText {
    width: parent ? parent.width : implicitWidth
    wrapMode: Text.Wrap
    font: Theme.displayFont(size)
    color: Theme.ink
}
