import QtQuick
import Tocko.Theme
import Tocko.Views

// Step 5: call muting and the ten-minute mute.
TourStep {
    id: step
    stage: Column {
        anchors.centerIn: parent
        width: 250
        spacing: 18
        StageCard {
            width: parent.width
            Item {
                width: parent.width
                height: Math.max(44, micTexts.implicitHeight + 8)
                Rectangle {
                    id: micCircle
                    width: 36
                    height: 36
                    radius: 18
                    color: ViewStyle.withAlpha(ViewStyle.orange, 0.16)
                    anchors.verticalCenter: parent.verticalCenter
                    Symbol { anchors.centerIn: parent; name: "mic.fill"; size: 17; color: ViewStyle.orange }
                }
                Column {
                    id: micTexts
                    anchors.left: micCircle.right
                    anchors.leftMargin: 10
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 2
                    Text {
                        width: parent.width
                        wrapMode: Text.Wrap
                        text: qsTranslate("Tocko", "Microphone in use")
                        font.pixelSize: 13
                        font.weight: Font.DemiBold
                        color: Theme.ink
                    }
                    Text {
                        width: parent.width
                        wrapMode: Text.Wrap
                        text: qsTranslate("Tocko", "Muted until the call ends")
                        font.pixelSize: 12
                        color: Theme.inkSoft
                    }
                }
            }
        }
        SoundBars {
            objectName: "soundBars"
            anchors.horizontalCenter: parent.horizontalCenter
        }
        StageCard {
            width: parent.width
            Item {
                width: parent.width
                height: 36
                Symbol {
                    id: timerIcon
                    name: "timer"
                    size: 18
                    color: Theme.deepTeal
                    anchors.verticalCenter: parent.verticalCenter
                }
                Text {
                    anchors.left: timerIcon.right
                    anchors.leftMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTranslate("Tocko", "Mute for 10 min")
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                    color: Theme.ink
                }
                Text {
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: "9:59"
                    font: Theme.displayFont(18)
                    color: Theme.ink
                }
            }
        }
    }

    Heading {
        objectName: "heading"
        source: qsTranslate("Tocko", "It knows when to hush")
        size: 30
    }
    Tip {
        icon: "mic"
        title: qsTranslate("Tocko", "Quiet on calls")
        text: qsTranslate("Tocko", "Mic on for Zoom, Meet or Jitsi? Tocko goes silent, so nobody hears you typing notes about them. It’s back when the call ends.")
    }
    Tip {
        icon: "timer"
        title: qsTranslate("Tocko", "Mute for 10 minutes")
        text: qsTranslate("Tocko", "Need a moment? Mute Tocko from the menu. It comes back on its own, like a cat.")
    }
}
