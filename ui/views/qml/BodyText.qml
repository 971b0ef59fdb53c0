import QtQuick
import Tocko.Theme
import Tocko.Views

// Body text of the tour: system font in the soft ink, the wordmark inline.
BrandText {
    width: parent ? parent.width : implicitWidth
    wrapMode: Text.Wrap
    color: Theme.inkSoft
    lineHeight: 1.1
}
