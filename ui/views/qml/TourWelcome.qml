import QtQuick
import Tocko.Theme
import Tocko.Views

// Step 1: greeting and the interface language.
TourStep {
    id: step
    stage: Pulse {
        anchors.centerIn: parent
        width: 150
        height: 150
        cornerRadius: 33
        AnimatedKeycap { size: 150 }
    }

    GreetingCycle {
        words: ["Hello", "Hola", "Bonjour", "こんにちは", "Olá", "Hallo", "Ciao", "안녕하세요", "你好"]
    }
    Heading {
        objectName: "heading"
        source: qsTranslate("Tocko", "Welcome to Tocko")
        size: 19
    }
    BodyText {
        source: qsTranslate("Tocko", "Your keyboard is about to get a lot more satisfying. Tocko plays a real key sound every time you type, in every app. Setup takes two minutes, tops.")
        size: 13
    }
    Item { width: 1; height: 4 }
    Divider {}
    Text {
        text: qsTranslate("Tocko", "Choose your language")
        font.pixelSize: ViewStyle.caption
        color: ViewStyle.secondary
    }
    FlowLayout {
        objectName: "languageChips"
        width: parent.width
        spacing: 4
        // Compact, so that all 21 languages fit beside the stage.
        Repeater {
            model: Localization.languages
            delegate: Chip {
                required property var modelData
                objectName: "language:" + modelData.value
                label: modelData.name
                chipHeight: 23
                fontSize: 11.5
                selected: modelData.value === Localization.localeIdentifier
                onClicked: Localization.language = modelData.value
            }
        }
    }
}
