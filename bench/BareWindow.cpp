// The yardstick of the start-up benchmark: a bare Qt window of the main window's size, closed
// once it has first been exposed, as the program closes under MORVANE_EXIT_AFTER_FIRST_SHOW.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

class CloseWhenExposed : public QObject {
public:
    explicit CloseWhenExposed(QWidget* window) : m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            QTimer::singleShot(0, m_window, [this] { m_window->close(); });
        }
        return false;
    }

private:
    QWidget* m_window;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(696, 496);
    window.setWindowTitle(QStringLiteral("Bare window"));
    CloseWhenExposed closer(&window);
    window.winId();  // makes the window handle to watch
    window.windowHandle()->installEventFilter(&closer);
    window.show();
    return application.exec();
}
