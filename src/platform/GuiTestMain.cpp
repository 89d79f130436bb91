// The main() of window tests: a Qt application on the offscreen platform with a fixed style, so
// sizes and fonts are the same on every machine, then every test.

#include <gtest/gtest.h>

#include "platform/LayerApplication.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setStyle(QStringLiteral("Fusion"));
    LayerApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
