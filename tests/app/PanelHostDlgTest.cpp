#include "app/PanelHostDlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "support/TempDir.h"

namespace {

// A plain panel that records its show notifications in a log shared by all panels.
class RecordingPanel : public CDialog {
public:
    RecordingPanel(UINT templateId, const char* name, std::vector<std::string>* log)
        : CDialog(templateId), m_name(name), m_log(log) {}

    void OnShowWindow(BOOL show, UINT status) override {
        m_log->push_back((show ? "show " : "hide ") + m_name);
        CDialog::OnShowWindow(show, status);
    }

    std::string m_name;
    std::vector<std::string>* m_log;
};

class PanelHostDlgTest : public TempDirTest {};

// Every switch hides the visible panel and shows the chosen one, even when they are the same,
// so each panel refreshes itself; hidden panels hear nothing, nor does any panel when no panel
// has the index.
TEST_F(PanelHostDlgTest, EachSwitchHidesTheVisiblePanelThenShowsTheChosenOne) {
    CDialog frame{IDD_MORVANE_DIALOG};
    CPanelHostDlg host{IDD_PANEL_HOST, &frame};
    ASSERT_TRUE(frame.Create(IDD_MORVANE_DIALOG));
    ASSERT_TRUE(host.Create(IDD_PANEL_HOST, &frame));
    std::vector<std::string> log;
    std::vector<std::unique_ptr<RecordingPanel>> panels;
    for (const auto& [templateId, name] : {std::pair<UINT, const char*>{IDD_DIARY, "diary"},
                                           {IDD_FOODS, "foods"},
                                           {IDD_STATS, "stats"}}) {
        panels.push_back(std::make_unique<RecordingPanel>(templateId, name, &log));
        ASSERT_TRUE(panels.back()->Create(templateId, &host));
        host.AddPanel(panels.back().get());
    }
    host.ShowWindow(SW_SHOW);
    host.ShowFirstPanel();
    EXPECT_EQ(log, std::vector<std::string>{"show diary"});
    const struct {
        int chosen;
        std::vector<std::string> notifications;  // none: refused
    } switches[] = {
        {PANEL_STATS, {"hide diary", "show stats"}},
        {PANEL_FOODS, {"hide stats", "show foods"}},
        {PANEL_FOODS, {"hide foods", "show foods"}},
        {3, {}},
        {-1, {}},
    };
    for (const auto& step : switches) {
        log.clear();
        EXPECT_EQ(host.ShowPanel(step.chosen), !step.notifications.empty()) << step.chosen;
        EXPECT_EQ(log, step.notifications);
    }
}

}  // namespace
