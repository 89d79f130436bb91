// The yardstick of the start-up benchmark: a bare Qt window of the main window's size that ends
// the process once it has first been exposed, as the program does under
// MORVANE_EXIT_AFTER_FIRST_SHOW.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

namespace {

class ExitWhenExposed : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(696, 496);
    window.setWindowTitle(QStringLiteral("Bare window"));
    ExitWhenExposed exiter;
    window.winId();  // makes the window handle to watch
    window.windowHandle()->installEventFilter(&exiter);
    window.show();
    return application.exec();
}
