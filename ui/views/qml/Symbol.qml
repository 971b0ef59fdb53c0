import QtQuick
import Tocko.Views

// One of the application's symbol drawings, painted in `color`.
Image {
    id: root
    property string name
    property color color: "black"
    property real size: 14

    function hex2(v) { return ("0" + Math.round(v * 255).toString(16)).slice(-2) }

    width: size
    height: size
    sourceSize: Qt.size(Math.ceil(size * 3), Math.ceil(size * 3))
    source: name ? "image://tocko/symbol/" + name + "/" + hex2(color.r) + hex2(color.g) + hex2(color.b) : ""
    opacity: color.a
    smooth: true
    mipmap: true
    fillMode: Image.PreserveAspectFit
    Accessible.ignored: true
}
