import QtQuick
import Tocko.Theme
import Tocko.Views

// Greeting words, one at a time, changing every 2.2 s; the first word stays
// while motion is reduced.
Item {
    id: cycle
    property var words: []
    property int i: 0
    property bool reduceMotion: Motion.reduceMotion

    implicitWidth: word.implicitWidth
    implicitHeight: 20
    width: parent ? parent.width : implicitWidth
    height: 20

    Text {
        id: word
        objectName: "greetingWord"
        anchors.verticalCenter: parent.verticalCenter
        text: cycle.words.length > 0 ? cycle.words[cycle.i % cycle.words.length] : ""
        font.family: Theme.monoFont(13).family
        font.pixelSize: 13
        font.letterSpacing: 1.8
        font.capitalization: Font.AllUppercase
        color: Theme.deepTeal
    }
    Timer {
        interval: 2200
        repeat: true
        running: cycle.visible && !cycle.reduceMotion && cycle.words.length > 1
        onTriggered: change.restart()
    }
    SequentialAnimation {
        id: change
        NumberAnimation { target: word; property: "opacity"; to: 0; duration: 175; easing.type: Easing.OutQuad }
        ScriptAction { script: cycle.i = (cycle.i + 1) % cycle.words.length }
        NumberAnimation { target: word; property: "opacity"; to: 1; duration: 175; easing.type: Easing.OutQuad }
    }
}
