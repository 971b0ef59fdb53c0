import QtQuick
import Tocko.Theme
import Tocko.Views

Rectangle {
    property string text
    implicitWidth: label.implicitWidth + 20
    implicitHeight: 22
    width: implicitWidth
    height: implicitHeight
    radius: height / 2
    color: Theme.paper
    BrandText {
        id: label
        anchors.centerIn: parent
        source: parent.text
        size: 11.5
        font.weight: Font.DemiBold
        color: Theme.deepTeal
    }
}
