import QtQuick
import QtQuick.Window
import Tocko.Theme
import Tocko.Views

// The tour's window: 760 × 520, not resizable, titled "Tocko". Its last
// button closes it.
Window {
    id: window
    property var app
    property ContextModel context
    property ViewActions actions
    property int startStep: 0
    property bool trayPresent: true

    title: qsTranslate("Tocko", "Tocko")
    width: 760
    height: 520
    minimumWidth: 760
    maximumWidth: 760
    minimumHeight: 520
    maximumHeight: 520
    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
    color: Theme.card

    // The window moves when its background is dragged.
    DragHandler {
        target: null
        onActiveChanged: if (active) window.startSystemMove()
    }

    OnboardingView {
        objectName: "onboardingView"
        app: window.app
        context: window.context
        actions: window.actions
        startStep: window.startStep
        trayPresent: window.trayPresent
        onFinish: window.close()
    }
}
