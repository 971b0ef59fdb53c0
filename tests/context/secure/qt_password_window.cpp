// A Qt window with a plain line edit and a password line edit. Reads
// commands on standard input: "plain" or "secret" brings the window to the
// front with that field focused; "quit" ends. Answers each with "ok <command>".

#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tocko Qt Window");
    QWidget window;
    window.setWindowTitle("Tocko Qt Window");
    auto* layout = new QVBoxLayout(&window);
    auto* plain = new QLineEdit(&window);
    auto* secret = new QLineEdit(&window);
    secret->setEchoMode(QLineEdit::Password);
    layout->addWidget(plain);
    layout->addWidget(secret);

    std::string pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buf[256];
        const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) return QApplication::quit();
        pending.append(buf, size_t(n));
        for (size_t nl; (nl = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, nl);
            pending.erase(0, nl + 1);
            if (line == "quit") return QApplication::quit();
            window.raise();
            window.activateWindow();
            QApplication::setActiveWindow(&window);
            (line == "secret" ? secret : plain)->setFocus(Qt::OtherFocusReason);
            std::printf("ok %s\n", line.c_str());
            std::fflush(stdout);
        }
    });
    window.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}
