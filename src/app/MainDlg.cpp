#include "app/MainDlg.h"

#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "app/AboutDlg.h"
#include "app/HelpPage.h"
#include "app/PanelHostDlg.h"
#include "app/VersionInfo.h"
#include "diary/DiaryBackups.h"
#include "diary/DiaryCsv.h"
#include "diary/DiaryDlg.h"
#include "foods/FoodsDlg.h"
#include "platform/Accelerator.h"
#include "platform/Browser.h"
#include "platform/DialogRules.h"
#include "platform/FileDialog.h"
#include "platform/ListChoice.h"
#include "platform/MessageBox.h"
#include "platform/RunAhead.h"
#include "platform/VersionApi.h"
#include "res/resource.h"
#include "stats/StatsDlg.h"
#include "store/DatabaseFile.h"

#ifndef MORVANE_HELP_HOST
#error "MORVANE_HELP_HOST names the help page's web host, or is empty for the shipped page"
#endif
#ifndef MORVANE_DATA_DIR
#error "MORVANE_DATA_DIR is the folder the help page is installed in"
#endif

namespace {

constexpr DWORD kMaxPath = 260;
constexpr DWORD kMaxProgramPath = 4096;
constexpr UINT kSystemCommandMask = ~0xFu;
// The refused lines of an import that a message box lists; the command line lists them all.
constexpr size_t kLinesShown = 10;

// The picture buttons are named as their faces read, and pressed from anywhere with Alt and the
// first letter of that name; F1 asks for help as everywhere else.
constexpr SpokenName kSpokenNames[] = {{IDC_DIARY, "Diary"},
                                       {IDC_STATS, "Statistics"},
                                       {IDC_FOODS, "Foods"},
                                       {IDC_HELP_BUTTON, "Help"}};
constexpr ACCEL kAccelerators[] = {{FVIRTKEY | FALT, 'D', IDC_DIARY},
                                   {FVIRTKEY | FALT, 'S', IDC_STATS},
                                   {FVIRTKEY | FALT, 'F', IDC_FOODS},
                                   {FVIRTKEY | FALT, 'H', IDC_HELP_BUTTON},
                                   {FVIRTKEY, VK_F1, IDC_HELP_BUTTON}};

struct PanelButton {
    int id;
    int panel;
};
constexpr PanelButton kPanelButtons[] = {
    {IDC_DIARY, PANEL_DIARY}, {IDC_STATS, PANEL_STATS}, {IDC_FOODS, PANEL_FOODS}};

// Creates one panel inside the host and registers it under the next index.
template <class Panel, class... Arguments>
BOOL CreatePanel(std::unique_ptr<Panel>& panel, UINT templateId, CPanelHostDlg* host,
                 Arguments&&... arguments) {
    panel = std::make_unique<Panel>(host, std::forward<Arguments>(arguments)...);
    if (!panel->Create(templateId, host)) {
        return FALSE;
    }
    return host->AddPanel(panel.get());
}

}  // namespace

const MessageMapEntry<CMainDlg> CMainDlg::kMessageMap[] = {
    {BN_CLICKED, IDC_DIARY, &CMainDlg::OnDiaryButton},
    {BN_CLICKED, IDC_FOODS, &CMainDlg::OnFoodsButton},
    {BN_CLICKED, IDC_STATS, &CMainDlg::OnStatsButton},
    {BN_CLICKED, IDC_HELP_BUTTON, &CMainDlg::OnHelpButton},
};

CMainDlg::CMainDlg(CWnd* parent)
    : CDialog(IDD_MORVANE_DIALOG, parent),
      m_strTitle("Morvane "),
      m_hIcon(LoadResourceIcon(IDR_MAINFRAME)),
      m_pBackground(&m_bmpBackground),
      m_nBackgroundWidth(0),
      m_nBackgroundHeight(0),
      m_nVersionMajor(0),
      m_nVersionMinor(0),
      m_nVersionThird(0),
      m_diaryCheck(RunAhead([today = COleDateTime::GetCurrentTime()] {
          return CheckDiary(CDiaryBackups(), true, today);
      })) {
    // Black parts of the tile take the desktop's dialog colour of this moment.
    const COLORMAP blackToButtonFace = {RGB(0, 0, 0), GetSysColor(COLOR_BTNFACE)};
    m_bmpBackground.LoadMappedBitmap(IDB_BACKGROUND, 0, &blackToButtonFace, 1);
    m_hollowBrush.CreateStockObject(HOLLOW_BRUSH);
    BITMAP size;
    m_bmpBackground.GetBitmap(&size);
    m_nBackgroundWidth = size.bmWidth;
    m_nBackgroundHeight = size.bmHeight;
}

// The owned windows go in a fixed order: the host, then the foods, statistics and diary panels.
CMainDlg::~CMainDlg() {
    m_pHost.reset();
    m_pFoodsDlg.reset();
    m_pStatsDlg.reset();
    m_pDiaryDlg.reset();
    m_bmpBackground.DeleteObject();
}

void CMainDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HELP_BUTTON, m_btnHelp);
    DDX_Control(pDX, IDC_DIARY, m_btnDiary);
    DDX_Control(pDX, IDC_FOODS, m_btnFoods);
    DDX_Control(pDX, IDC_STATS, m_btnStats);
    DDX_Control(pDX, IDC_PANEL_FRAME, m_panelFrame);
}

BOOL CMainDlg::OnControlNotify(UINT code, int id) {
    const BOOL handled = DispatchMessageMap(this, kMessageMap, code, id);
    MarkShownPanel();
    return handled;
}

// The button of the panel in view reads as checked; the faces do not change for it.
void CMainDlg::MarkShownPanel() {
    const int shown = m_pHost != nullptr ? m_pHost->VisiblePanel() : -1;
    for (const PanelButton& button : kPanelButtons) {
        CheckDlgButton(button.id, button.panel == shown ? BST_CHECKED : BST_UNCHECKED);
    }
}

BOOL CMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddDiaryEntries();
    AddAboutEntry();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    LoadButtonFaces();
    ReadVersionText();
    SetWindowText(m_strTitle + " " + m_strVersion);
    SetSpokenNames(*this, kSpokenNames);
    CreatePanels();
    MarkShownPanel();
    return TRUE;
}

void CMainDlg::AddAboutEntry() {
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    const std::string aboutEntry = LoadResourceString(IDS_ABOUTBOX);
    if (!aboutEntry.empty()) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutEntry);
    }
}

// The diary's own entries stand before the about entry, which stays last.
void CMainDlg::AddDiaryEntries() {
    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_RESTORE_BACKUP, "Restore a backup...");
        systemMenu->AppendMenu(MF_STRING, IDM_EXPORT_CSV, "Export to CSV...");
        systemMenu->AppendMenu(MF_STRING, IDM_IMPORT_CSV, "Import from CSV...");
    }
}

void CMainDlg::LoadButtonFaces() {
    m_btnStats.LoadBitmaps(IDB_STATS_NORMAL, IDB_STATS_PRESSED, IDB_STATS_FOCUS);
    m_btnFoods.LoadBitmaps(IDB_FOODS_NORMAL, IDB_FOODS_PRESSED, IDB_FOODS_FOCUS);
    m_btnDiary.LoadBitmaps(IDB_DIARY_NORMAL, IDB_DIARY_PRESSED, IDB_DIARY_FOCUS);
    m_btnHelp.LoadBitmaps(IDB_HELP_NORMAL, IDB_HELP_PRESSED, IDB_HELP_FOCUS);
}

// The title shows the first three numbers of the program's own file version.
void CMainDlg::ReadVersionText() {
    char path[kMaxPath] = {};
    GetModuleFileNameA(nullptr, path, kMaxPath);
    ShownVersion version;
    if (ReadShownVersion(path, &version)) {
        m_nVersionMajor = version.major;
        m_nVersionMinor = version.minor;
        m_nVersionThird = version.third;
        m_strVersion = FormatVersionText(version);
    }
}

BOOL CMainDlg::CreatePanels() {
    m_pHost = std::make_unique<CPanelHostDlg>(IDD_PANEL_HOST, this);
    if (!m_pHost->Create(IDD_PANEL_HOST, this)) {
        return FALSE;
    }
    if (!CreatePanelDialogs()) {
        return FALSE;
    }
    CRect frame;
    m_panelFrame.GetWindowRect(&frame);
    ScreenToClient(&frame);
    m_pHost->SetWindowPos(nullptr, frame.left, frame.top, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    m_pHost->ShowFirstPanel();
    return TRUE;
}

BOOL CMainDlg::CreatePanelDialogs() {
    std::optional<DiaryCheck> diaryCheck;
    if (m_diaryCheck.valid()) {
        diaryCheck = m_diaryCheck.get();
    }
    return CreatePanel(m_pDiaryDlg, IDD_DIARY, m_pHost.get(), std::move(diaryCheck)) &&
           CreatePanel(m_pFoodsDlg, IDD_FOODS, m_pHost.get()) &&
           CreatePanel(m_pStatsDlg, IDD_STATS, m_pHost.get());
}

void CMainDlg::OnDiaryButton() {
    m_pHost->ShowPanel(PANEL_DIARY);
}

void CMainDlg::OnFoodsButton() {
    m_pHost->ShowPanel(PANEL_FOODS);
}

void CMainDlg::OnStatsButton() {
    m_pHost->ShowPanel(PANEL_STATS);
}

// Without a browser, or without the page, the user is told where the page is (or belongs), so
// that they can open it themselves.
void CMainDlg::OnHelpButton() {
    char program[kMaxProgramPath] = {};
    GetModuleFileNameA(nullptr, program, kMaxProgramPath);
    const HelpPage page = LocateHelpPage(program, MORVANE_DATA_DIR, MORVANE_HELP_HOST);
    if (!page.found) {
        AfxMessageBox("The help page is missing: it belongs in " + page.place +
                      ". Installing Morvane again puts it back.");
        return;
    }
    const std::wstring address(page.address.begin(), page.address.end());
    HRESULT result = E_FAIL;
    try {
        result = HlinkSimpleNavigateToString(address.c_str(), nullptr, nullptr, nullptr, nullptr,
                                             nullptr, 0, 0);
    } catch (...) {
    }
    if (result != S_OK) {
        AfxMessageBox(std::string("The help page could not be opened in a web browser. ") +
                      "You can open it yourself: " + page.place);
    }
}

// The user picks a backup; the diary as it is now is moved aside (never deleted), the backup
// copied in, and the panels read the restored diary.
void CMainDlg::OnRestoreBackup() {
    const CDiaryBackups backups;
    const std::vector<DiaryBackup> available = backups.List();
    if (available.empty()) {
        AfxMessageBox("There is no backup yet. Backups are made in " +
                          database_file::FullPath(backups.BackupFolder()) +
                          " each day the program starts.",
                      MB_OK);
        return;
    }
    std::vector<std::string> items;
    for (const DiaryBackup& backup : available) {
        const int64_t entries = database_file::CountRows(backup.path, "Settings");
        items.push_back(backup.day + (entries < 0 ? ", cannot be read"
                                                  : ", " + std::to_string(entries) + " entries"));
    }
    const int chosen = ChooseFromList("Restore a backup",
                                      "Choose the backup to restore. The diary as it is now is "
                                      "kept beside it as a safety copy.",
                                      items);
    if (chosen < 0) {
        return;
    }
    WithPanelsReloaded([&] {
        std::string aside;
        std::string error;
        const DiaryBackup& backup = available[static_cast<size_t>(chosen)];
        if (backups.Restore(backup, "before-restore", COleDateTime::GetCurrentTime(), aside,
                            error)) {
            AfxMessageBox(
                "The backup of " + backup.day + " was restored." +
                    (aside.empty() ? "" : " The diary as it was is kept as " + aside + "."),
                MB_OK);
        } else {
            AfxMessageBox("The backup could not be restored: " + error + ".", MB_OK);
        }
    });
}

void CMainDlg::WithPanelsReloaded(const std::function<void()>& change) {
    const int shown = m_pHost->VisiblePanel();
    m_pHost->HideAllPanels();
    m_pDiaryDlg->CloseDiaryFile();
    change();
    m_pHost->ShowPanel(shown >= 0 ? shown : PANEL_DIARY);
}

void CMainDlg::OnExportCsv() {
    const std::string file = ChooseFileToSave("Export to CSV", "morvane-diary.csv");
    if (!file.empty()) {
        AfxMessageBox(ExportDiaryCsv(CDiaryBackups().DiaryPath(), file).Text(kLinesShown), MB_OK);
    }
}

void CMainDlg::OnImportCsv() {
    const std::string file = ChooseFileToOpen("Import from CSV");
    if (file.empty()) {
        return;
    }
    WithPanelsReloaded([&file] {
        const DiaryCsvReport report =
            ImportDiaryCsv(file, CDiaryBackups(), COleDateTime::GetCurrentTime());
        AfxMessageBox(report.Text(kLinesShown), MB_OK);
    });
}

void CMainDlg::OnOK() {}

BOOL CMainDlg::PreTranslateMessage(MSG* msg) {
    NeutraliseEnterAndEscape(msg);
    if (TranslateAccelerator(this, kAccelerators, std::size(kAccelerators), msg)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CMainDlg::OnSysCommand(UINT id, LPARAM param) {
    if ((id & kSystemCommandMask) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else if ((id & kSystemCommandMask) == IDM_RESTORE_BACKUP) {
        OnRestoreBackup();
    } else if ((id & kSystemCommandMask) == IDM_EXPORT_CSV) {
        OnExportCsv();
    } else if ((id & kSystemCommandMask) == IDM_IMPORT_CSV) {
        OnImportCsv();
    } else {
        CDialog::OnSysCommand(id, param);
    }
}

// A minimised window shows the icon set at start-up; the desktop draws it.
void CMainDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
    }
}

// The dialog background (and list boxes) stay unpainted so the tiled bitmap shows through;
// every other kind of control keeps the desktop's colours.
CBrush* CMainDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) {
    return HollowBackgroundBrush(pDC, ctlColor, CDialog::OnCtlColor(pDC, pWnd, ctlColor),
                                 &m_hollowBrush);
}

// Tiles the background bitmap over the client area from the top-left corner.
BOOL CMainDlg::OnEraseBkgnd(CDC* pDC) {
    if (m_nBackgroundWidth <= 0 || m_nBackgroundHeight <= 0) {
        return TRUE;
    }
    CDC memoryDC;
    memoryDC.CreateCompatibleDC(pDC);
    CBitmap* previous = memoryDC.SelectObject(m_pBackground);
    CRect client;
    GetClientRect(&client);
    for (int y = 0; y < client.Height(); y += m_nBackgroundHeight) {
        for (int x = 0; x < client.Width(); x += m_nBackgroundWidth) {
            pDC->BitBlt(x, y, m_nBackgroundWidth, m_nBackgroundHeight, &memoryDC, 0, 0, SRCCOPY);
        }
    }
    memoryDC.SelectObject(previous);
    return TRUE;
}
