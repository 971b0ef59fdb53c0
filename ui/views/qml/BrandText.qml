import QtQuick
import Tocko.Views

// Text in which every "Tocko" shows as the wordmark, its k drawn as the
// keycap. `source` is the (translated) text, `size` the font size.
Text {
    property string source
    property real size: 13
    textFormat: Text.RichText
    text: Brand.text(source, size, font, color)
    font.pixelSize: Math.round(size)
    Accessible.name: source
}
