#include "app/PanelHostDlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "res/resource.h"
#include "support/TempDir.h"

namespace {

// A plain panel that records its show notifications in a log shared by all panels.
class RecordingPanel : public CDialog {
public:
    RecordingPanel(UINT templateId, std::string name, std::vector<std::string>* log)
        : CDialog(templateId), m_name(std::move(name)), m_log(log) {}

    void OnShowWindow(BOOL show, UINT status) override {
        m_log->push_back((show ? "show " : "hide ") + m_name);
        CDialog::OnShowWindow(show, status);
    }

private:
    std::string m_name;
    std::vector<std::string>* m_log;
};

class PanelHostDlgTest : public TempDirTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_main.Create(IDD_MORVANE_DIALOG));
        ASSERT_TRUE(m_host.Create(IDD_PANEL_HOST, &m_main));
        const UINT templates[] = {IDD_DIARY, IDD_FOODS, IDD_STATS};
        const char* names[] = {"diary", "foods", "stats"};
        for (int i = 0; i < 3; ++i) {
            m_panels.push_back(std::make_unique<RecordingPanel>(templates[i], names[i], &m_log));
            ASSERT_TRUE(m_panels.back()->Create(templates[i], &m_host));
            EXPECT_TRUE(m_host.AddPanel(m_panels.back().get()));
        }
        m_host.ShowWindow(SW_SHOW);
    }

    std::vector<int> VisiblePanels() const {
        std::vector<int> visible;
        for (int i = 0; i < static_cast<int>(m_panels.size()); ++i) {
            if (m_panels[i]->IsWindowVisible()) {
                visible.push_back(i);
            }
        }
        return visible;
    }

    CDialog m_main{IDD_MORVANE_DIALOG};
    CPanelHostDlg m_host{IDD_PANEL_HOST, &m_main};
    std::vector<std::string> m_log;
    std::vector<std::unique_ptr<RecordingPanel>> m_panels;
};

TEST_F(PanelHostDlgTest, TheFirstPanelIsShownAloneAndTheOthersHearNothing) {
    EXPECT_EQ(m_host.PanelCount(), 3);
    EXPECT_TRUE(VisiblePanels().empty());
    m_host.ShowFirstPanel();
    EXPECT_EQ(VisiblePanels(), std::vector<int>{PANEL_DIARY});
    EXPECT_EQ(m_log, std::vector<std::string>{"show diary"});
}

// Every switch hides the visible panel and shows the chosen one, even when they are the same,
// so each panel refreshes itself; hidden panels hear nothing.
TEST_F(PanelHostDlgTest, EachSwitchHidesTheVisiblePanelThenShowsTheChosenOne) {
    m_host.ShowFirstPanel();
    const struct {
        int chosen;
        std::vector<std::string> notifications;
    } switches[] = {
        {PANEL_STATS, {"hide diary", "show stats"}},
        {PANEL_FOODS, {"hide stats", "show foods"}},
        {PANEL_FOODS, {"hide foods", "show foods"}},
        {PANEL_DIARY, {"hide foods", "show diary"}},
    };
    for (const auto& step : switches) {
        m_log.clear();
        EXPECT_TRUE(m_host.ShowPanel(step.chosen));
        EXPECT_EQ(m_log, step.notifications);
        EXPECT_EQ(VisiblePanels(), std::vector<int>{step.chosen});
    }
}

TEST_F(PanelHostDlgTest, AnIndexWithoutAPanelChangesNothing) {
    m_host.ShowFirstPanel();
    ASSERT_TRUE(m_host.ShowPanel(PANEL_FOODS));
    m_log.clear();
    for (int index : {3, 4, -1}) {
        EXPECT_FALSE(m_host.ShowPanel(index)) << index;
    }
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(VisiblePanels(), std::vector<int>{PANEL_FOODS});
}

}  // namespace
