#pragma once

#include <QApplication>

// The Qt application the layer runs on: it offers every key press to the windows'
// PreTranslateMessage before the key goes anywhere, chooses what a screen reader is told of the
// windows, and leaves ending the program to the main dialog (closing the last window does not
// quit by itself).
class LayerApplication : public QApplication {
public:
    LayerApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
