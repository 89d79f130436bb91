// The main() of window tests: a Qt application on the offscreen platform with a fixed style, so
// sizes and fonts are the same on every machine, then every test.

#include <gtest/gtest.h>

#include "platform/FileDialog.h"
#include "platform/LayerApplication.h"
#include "platform/ListChoice.h"
#include "platform/MessageBox.h"

namespace {

// A modal box that no test answers would wait for a user forever: until a test sets its own
// hook, every box fails the test and is answered at once.
class UnansweredBoxes : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        SetMessageBoxHook([](const std::string& text, const std::string&, UINT type) {
            ADD_FAILURE() << "a message box no test answers: " << text;
            return type == MB_YESNO ? IDNO : IDOK;
        });
        SetListChoiceHook([](const std::string& prompt, const std::vector<std::string>&) {
            ADD_FAILURE() << "a list no test answers: " << prompt;
            return -1;
        });
        SetFileDialogHook([](const std::string& title, bool) {
            ADD_FAILURE() << "a file dialog no test answers: " << title;
            return std::string();
        });
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setStyle(QStringLiteral("Fusion"));
    LayerApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new UnansweredBoxes);
    return RUN_ALL_TESTS();
}
