#include "app/MainDlg.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/PanelHostDlg.h"
#include "diary/DiaryBackups.h"
#include "diary/DiaryTable.h"
#include "foods/FoodTable.h"
#include "platform/ListChoice.h"
#include "platform/Browser.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/TestDriver.h"
#include "res/resource.h"
#include "store/DatabaseFile.h"
#include "store/SqlProbe.h"
#include "support/TempDir.h"

namespace {

// The main window with its two closing paths counted. Escape reaching OnCancel would close it.
class CountingMainDlg : public CMainDlg {
public:
    int m_nOkCalls = 0;
    int m_nCancelCalls = 0;

protected:
    void OnOK() override {
        ++m_nOkCalls;
        CMainDlg::OnOK();
    }
    void OnCancel() override { ++m_nCancelCalls; }
};

class MainDlgTest : public TempDirTest {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(CFoodTable::WriteFile(kFoodsFile, {}, error)) << error;
        SetBrowserHook([this](const std::string& address) {
            m_addresses.push_back(address);
            return m_bBrowserOpens;
        });
        SetMessageBoxHook([this](const std::string& text, const std::string&, UINT) {
            m_messages.push_back(text);
            return IDOK;
        });
        ASSERT_TRUE(m_main.Create(IDD_MORVANE_DIALOG));
        TestDriver::ProcessEvents();
    }
    void TearDown() override {
        SetBrowserHook(nullptr);
        SetMessageBoxHook(nullptr);
        SetFileDialogHook(nullptr);
    }

    CWnd* Panel(int index) const { return m_main.Host()->Panel(index); }

    std::vector<int> VisiblePanels() const {
        std::vector<int> visible;
        for (int index : {PANEL_DIARY, PANEL_FOODS, PANEL_STATS}) {
            if (Panel(index) != nullptr && Panel(index)->IsWindowVisible()) {
                visible.push_back(index);
            }
        }
        return visible;
    }

    void Click(int buttonId) { TestDriver::Click(m_main.GetDlgItem(buttonId)); }

    CRect InMainClient(const CWnd* window) const {
        CRect rect;
        window->GetWindowRect(&rect);
        m_main.ScreenToClient(&rect);
        return rect;
    }

    bool m_bBrowserOpens = true;
    std::vector<std::string> m_addresses;
    std::vector<std::string> m_messages;
    CountingMainDlg m_main;
};

// The diary shows first, in the frame, under the title with the version.
TEST_F(MainDlgTest, StartsWithTheDiaryInTheFrameUnderTheVersionedTitle) {
    EXPECT_EQ(m_main.GetWindowText(), "Morvane  V 8.02");
    ASSERT_EQ(m_main.Host()->PanelCount(), 3);
    EXPECT_EQ(VisiblePanels(), std::vector<int>{PANEL_DIARY});
    EXPECT_EQ(InMainClient(m_main.Host()).TopLeft(),
              InMainClient(m_main.GetDlgItem(IDC_PANEL_FRAME)).TopLeft());
}

// Alt and the first letter of a picture button's name press it from any panel, F1 presses HELP;
// the button of the panel in view reads as checked.
TEST_F(MainDlgTest, PictureButtonsAreNamedAsTheyReadAndPressedByKeysFromAnyPanel) {
    const struct {
        UINT key;
        int control;  // where the key is pressed: in the panel shown before
        int pressed;  // takes the focus, as a click would
        int panel;    // shown after
    } keys[] = {{'F', IDC_NAME, IDC_FOODS, PANEL_FOODS},
                {'S', IDC_FOOD_SEARCH, IDC_STATS, PANEL_STATS},
                {'D', IDC_BMI_BUTTON, IDC_DIARY, PANEL_DIARY},
                {'H', IDC_AGE, IDC_HELP_BUTTON, PANEL_DIARY},
                {VK_F1, IDC_AGE, IDC_HELP_BUTTON, PANEL_DIARY}};
    const struct {
        int id;
        const char* name;
        int panel;
    } buttons[] = {{IDC_DIARY, "Diary", PANEL_DIARY},
                   {IDC_STATS, "Statistics", PANEL_STATS},
                   {IDC_FOODS, "Foods", PANEL_FOODS},
                   {IDC_HELP_BUTTON, "Help", -1}};
    int shown = PANEL_DIARY;
    for (const auto& k : keys) {
        CWnd* control = Panel(shown)->GetDlgItem(k.control);
        control->SetFocus();
        TestDriver::PressKey(control, k.key, k.key != VK_F1);
        shown = k.panel;
        EXPECT_EQ(VisiblePanels(), std::vector<int>{shown}) << k.key;
        EXPECT_EQ(TestDriver::Focused(&m_main), m_main.GetDlgItem(k.pressed)) << k.key;
        for (const auto& b : buttons) {
            const TestDriver::Spoken spoken = TestDriver::SpokenOf(m_main.GetDlgItem(b.id));
            EXPECT_EQ(spoken.name, b.name);
            EXPECT_EQ(spoken.checkable, b.panel >= 0) << b.name;
            EXPECT_EQ(spoken.checked, b.panel == shown) << b.name << " after " << k.key;
        }
    }
    EXPECT_EQ(m_addresses.size(), 2u);  // Alt+H and F1
}

// Whatever a screen reader meets in the window and the panel shown has a name.
TEST_F(MainDlgTest, EveryControlAScreenReaderMeetsHasAName) {
    // The weight-loss chart shows the track bar too.
    const std::pair<CWnd*, int> presses[] = {{&m_main, IDC_DIARY},
                                             {&m_main, IDC_FOODS},
                                             {&m_main, IDC_STATS},
                                             {Panel(PANEL_STATS), IDC_WEIGHT_BUTTON}};
    for (const auto& [window, button] : presses) {
        TestDriver::Click(window->GetDlgItem(button));
        for (const TestDriver::Spoken& spoken : TestDriver::SpokenControls(&m_main)) {
            EXPECT_NE(spoken.name, "") << spoken.role << " " << spoken.value << " after " << button;
        }
    }
}

// The tests run from the build tree, so HELP finds the build's copy of the page; without a
// browser the user is told where it is.
TEST_F(MainDlgTest, HelpOpensTheShippedPageOrSaysWhereItIs) {
    Click(IDC_FOODS);
    Click(IDC_HELP_BUTTON);
    EXPECT_EQ(m_addresses, std::vector<std::string>{"file://" MORVANE_BUILT_HELP_PAGE});
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(VisiblePanels(), std::vector<int>{PANEL_FOODS});
    m_bBrowserOpens = false;
    Click(IDC_HELP_BUTTON);
    EXPECT_EQ(m_messages, std::vector<std::string>{
                              "The help page could not be opened in a web browser. You can open "
                              "it yourself: " MORVANE_BUILT_HELP_PAGE});
}

TEST_F(MainDlgTest, EnterAndEscapeNeverCloseOrPressAnything) {
    const struct {
        int button;
        int panel;
        int control;
    } places[] = {{IDC_DIARY, PANEL_DIARY, IDC_NAME},
                  {IDC_FOODS, PANEL_FOODS, IDC_FOOD_SEARCH},
                  {IDC_STATS, PANEL_STATS, IDC_BMI_BUTTON}};
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        TestDriver::PressKey(&m_main, key);
        for (const auto& place : places) {
            Click(place.button);
            TestDriver::PressKey(Panel(place.panel)->GetDlgItem(place.control), key);
            EXPECT_EQ(VisiblePanels(), std::vector<int>{place.panel}) << key;
        }
    }
    EXPECT_EQ(m_main.m_nOkCalls, 0);
    EXPECT_EQ(m_main.m_nCancelCalls, 0);
    EXPECT_TRUE(m_main.IsWindowVisible());
}

// The diary's entries and then the about entry end the system menu, each group after a separator;
// the about entry opens the about box.
TEST_F(MainDlgTest, TheSystemMenuEndsWithTheDiaryAndAboutEntries) {
    std::vector<std::string> texts;
    for (const CMenu::Item& item : m_main.GetSystemMenu(FALSE)->Items()) {
        texts.push_back((item.flags & MF_SEPARATOR) != 0 ? "-" : item.text);
    }
    ASSERT_GE(texts.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 6, texts.end()),
              (std::vector<std::string>{"-", "Restore a backup...", "Export to CSV...",
                                        "Import from CSV...", "-", "&About morvane..."}));
    std::vector<std::string> shown;
    const auto closeAboutBox = [&shown](CDialog& dialog) {
        EXPECT_EQ(dialog.TemplateId(), static_cast<UINT>(IDD_ABOUTBOX));
        shown.push_back(dialog.GetWindowText());
        dialog.EndDialog(IDOK);
    };
    TestDriver::WhenModalRuns(closeAboutBox);
    TestDriver::ChooseSystemMenu(&m_main, IDM_ABOUTBOX);
    // The low four bits of a system command are the desktop's own.
    TestDriver::WhenModalRuns(closeAboutBox);
    static_cast<CWnd&>(m_main).OnSysCommand(IDM_ABOUTBOX | 0x3, 0);

    EXPECT_EQ(shown, (std::vector<std::string>{"About Morvane", "About Morvane"}));
    EXPECT_TRUE(m_main.IsWindowVisible());
}

TEST_F(MainDlgTest, RestoringABackupKeepsTheDiaryAsideAndShowsTheRestoredOne) {
    RawConnection diary(kDiaryFile);
    const CDiaryBackups backups;
    std::string error;
    diary.Exec("INSERT INTO Settings SELECT * FROM Settings; INSERT INTO Settings SELECT * FROM "
               "Settings WHERE ROWID = 1");
    ASSERT_TRUE(backups.BackUp(COleDateTime(2026, 1, 1, 0, 0, 0), error)) << error;
    diary.Exec("INSERT INTO Settings SELECT * FROM Settings WHERE ROWID < 3");
    ASSERT_TRUE(backups.BackUp(COleDateTime(2026, 1, 2, 0, 0, 0), error)) << error;
    std::vector<std::string> listed;
    SetListChoiceHook([&listed](const std::string&, const std::vector<std::string>& items) {
        listed = items;
        return 1;
    });
    TestDriver::ChooseSystemMenu(&m_main, IDM_RESTORE_BACKUP);
    SetListChoiceHook(nullptr);

    EXPECT_EQ(listed, (std::vector<std::string>{"2026-01-02, 5 entries", "2026-01-01, 3 entries"}));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find("The diary as it was is kept as "), std::string::npos);
    EXPECT_EQ(RawConnection(kDiaryFile).Text("SELECT count(*) FROM Settings"), "3");
    EXPECT_EQ(Panel(PANEL_DIARY)->GetDlgItemText(IDC_ENTRY_LABEL), "Record 3");
}

TEST_F(MainDlgTest, TheBackgroundTileRepeatsOverAWindowLargerThanIt) {
    const COLORMAP blackToButtonFace = {RGB(0, 0, 0), GetSysColor(COLOR_BTNFACE)};
    CBitmap tile;
    ASSERT_TRUE(tile.LoadMappedBitmap(IDB_BACKGROUND, 0, &blackToButtonFace, 1));
    BITMAP size;
    tile.GetBitmap(&size);
    const int w = size.bmWidth;
    const int h = size.bmHeight;
    m_main.MoveWindow(0, 0, 2 * w + 100, 2 * h + 50);
    TestDriver::ProcessEvents();

    // Points in the second and third tiles, clear of every control.
    const CPoint points[] = {{w + 5, 5}, {w + 300, 300}, {30, h + 40}, {2 * w + 50, 2 * h + 20}};
    for (const CPoint& at : points) {
        EXPECT_EQ(TestDriver::GrabPixel(&m_main, at.x, at.y), tile.GetPixel(at.x % w, at.y % h))
            << at.x << "," << at.y;
    }
}

// The foods and statistics panels erase nothing, so what lies beneath them shows through.
TEST_F(MainDlgTest, OnlyTheDiaryPanelPaintsItsOwnBackground) {
    const struct {
        int panel;
        bool paints;
    } panels[] = {{PANEL_DIARY, true}, {PANEL_FOODS, false}, {PANEL_STATS, false}};
    for (const auto& p : panels) {
        CImageDC beneath(8, 8);
        const COLORREF before = beneath.GetPixel(4, 4);
        EXPECT_TRUE(Panel(p.panel)->OnEraseBkgnd(&beneath));
        EXPECT_EQ(beneath.GetPixel(4, 4), p.paints ? GetSysColor(COLOR_BTNFACE) : before)
            << p.panel;
    }
}

// The diary panel shows the seeded row until an import has replaced it and the panels reloaded;
// the export then writes what the panel shows.
TEST_F(MainDlgTest, ImportAndExportFromTheMenuSayWhatTheyDidAndThePanelShowsTheEntries) {
    std::ofstream("good.csv") << "Name,Age,Gender,Weight,Height,Calories,Activity,Date,Format,BMI,"
                                 "BMR\nAnn,34,female,70,166,1800,light,2010-03-07,Metric,25,1700\n"
                              << "Ann,34,female,69,166,1500,none,2010-03-08,Metric,25,1600\n";
    const struct {
        UINT command;
        std::string chosen;  // "" cancels
        std::vector<std::string> messages;
        const char* name;
        const char* label;
    } cases[] = {
        {IDM_IMPORT_CSV, "", {}, "", "Record 1"},
        {IDM_IMPORT_CSV, "good.csv", {"Imported 2 entries, skipped 0 already in the diary"}, "Ann",
         "Record 2"},
        {IDM_EXPORT_CSV, "out.csv", {"Exported 2 entries to " + database_file::FullPath("out.csv")},
         "Ann", "Record 2"},
    };
    for (const auto& c : cases) {
        SetFileDialogHook([&c](const std::string&, bool saving) {
            EXPECT_EQ(saving, c.command == IDM_EXPORT_CSV);
            return c.chosen;
        });
        m_messages.clear();
        TestDriver::ChooseSystemMenu(&m_main, c.command);
        EXPECT_EQ(m_messages, c.messages) << c.chosen;
        EXPECT_EQ(VisiblePanels(), std::vector<int>{PANEL_DIARY});
        EXPECT_EQ(Panel(PANEL_DIARY)->GetDlgItemText(IDC_NAME), c.name) << c.chosen;
        EXPECT_EQ(Panel(PANEL_DIARY)->GetDlgItemText(IDC_ENTRY_LABEL), c.label) << c.chosen;
    }
}

}  // namespace
