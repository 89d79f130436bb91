#pragma once

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <string>

#include "diary/DiaryOpening.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"

class CPanelHostDlg;
class CDiaryDlg;
class CFoodsDlg;
class CStatsDlg;

// The main window: four picture buttons down the left edge (DIARY, STATS, FOODS, HELP), a tiled
// background, and the panel host over the panel frame, in which one of the diary, foods and
// statistics panels is shown at a time. It owns the host and the three panels. Constructing it
// starts the check of the diary file and the day's backup.
class CMainDlg : public CDialog {
public:
    explicit CMainDlg(CWnd* parent = nullptr);
    ~CMainDlg() override;

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnControlNotify(UINT code, int id) override;

    CPanelHostDlg* Host() const { return m_pHost.get(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter never ends the main window.
    void OnOK() override;

    void OnSysCommand(UINT id, LPARAM param) override;
    void OnPaint() override;
    CBrush* OnCtlColor(CDC* pDC, CWnd* pWnd, UINT ctlColor) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;

    void OnDiaryButton();
    void OnFoodsButton();
    void OnStatsButton();
    void OnHelpButton();
    void OnRestoreBackup();
    void OnExportCsv();
    void OnImportCsv();

    BOOL CreatePanels();
    BOOL CreatePanelDialogs();

private:
    void AddDiaryEntries();
    void AddAboutEntry();
    void MarkShownPanel();
    void LoadButtonFaces();
    void ReadVersionText();
    // Runs a change of the diary file with every panel hidden and the diary panel's file closed,
    // then shows the panel that was shown, which reads the file again.
    void WithPanelsReloaded(const std::function<void()>& change);

    static const MessageMapEntry<CMainDlg> kMessageMap[];

    CBitmapButton m_btnHelp;
    CBitmapButton m_btnDiary;
    CBitmapButton m_btnFoods;
    CBitmapButton m_btnStats;
    CStatic m_panelFrame;
    std::string m_strTitle;
    std::string m_strVersion;
    HICON m_hIcon;
    CBitmap m_bmpBackground;
    CBitmap* m_pBackground;
    std::int32_t m_nBackgroundWidth;
    std::int32_t m_nBackgroundHeight;
    CBrush m_hollowBrush;
    std::int32_t m_nVersionMajor;
    std::int32_t m_nVersionMinor;
    std::int32_t m_nVersionThird;
    std::unique_ptr<CPanelHostDlg> m_pHost;
    std::unique_ptr<CFoodsDlg> m_pFoodsDlg;
    std::unique_ptr<CStatsDlg> m_pStatsDlg;
    std::unique_ptr<CDiaryDlg> m_pDiaryDlg;
    // The check and backup of the diary, made on another thread while the windows are built,
    // before anything can write to the diary; the diary panel waits for it.
    std::future<DiaryCheck> m_diaryCheck;
};
