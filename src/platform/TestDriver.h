#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/Wnd.h"

// What a user does, done by tests through the real widgets and the real event path.
namespace TestDriver {

// Lets pending window events run (painting, posted notifications).
void ProcessEvents();
// Clicks a button as the mouse would (BN_CLICKED reaches the parent's message map).
void Click(CWnd* button);
// Replaces an edit's text as typing would (EN_CHANGE for the change).
void Type(CWnd* edit, const std::string& text);
// Sends one key press to the window (through the pre-translation hooks), with Alt or Shift held
// when asked.
void PressKey(CWnd* target, UINT virtualKey, bool alt = false, bool shift = false);
// The control that has the keyboard focus in the window's top-level window, or null.
CWnd* Focused(CWnd* window);
// Moves a track bar's thumb with the mouse to a position and releases it (NM_RELEASEDCAPTURE).
void DragSlider(CSliderCtrl* slider, int position);
// Presses a button down and keeps it held (its pressed face shows) until Release.
void Press(CWnd* button);
void Release(CWnd* button);
// Double-clicks a row of a report list as the mouse would (the row is selected, then NM_DBLCLK).
void DoubleClick(CListCtrl* list, int item);
// Picks a date in a date picker as the user would.
void PickDate(CWnd* picker, int year, int month, int day);
// Right-clicks a window at (x, y) in its client coordinates, where the control under the mouse
// or else the window itself gets the context-menu request.
void RightClick(CWnd* window, int x, int y);
// Chooses an entry of a window's system menu.
void ChooseSystemMenu(CWnd* window, UINT id);
// Renders the window with its children into an image (and saves it as PNG when a path is given);
// returns the colour of the pixel at (x, y) in window coordinates.
COLORREF GrabPixel(CWnd* window, int x, int y, const std::string& savePngPath = "");
// Runs `action` on the next modal dialog once its loop runs (a test ends it from there).
void WhenModalRuns(std::function<void(CDialog&)> action);
// The entries of the popup menu now open ("" for a separator), which is then closed; empty when
// none is open.
std::vector<std::string> TakeOpenMenu();
// Whether the window is a window of its own on the desktop rather than a child inside another.
bool IsSeparateWindow(CWnd* window);
// Rests the mouse on a cell of a report list; the tooltip it shows, or "" when none.
std::string HoverCell(CListCtrl* list, int item, int subItem);
// Whether a list shows its horizontal scroll bar.
bool ShowsHorizontalScrollBar(CListCtrl* list);

// What a screen reader is told of a window.
struct Spoken {
    std::string role;  // as the accessibility interfaces name it: "Slider", "PushButton"...
    std::string name;
    std::string value;
    std::string description;
    bool checkable = false;
    bool checked = false;
};
Spoken SpokenOf(CWnd* window);
// What a screen reader meets among the shown controls of a window and of the panels inside it,
// in the order it meets them.
std::vector<Spoken> SpokenControls(CWnd* window);
// What a screen reader is told has changed while the action runs, in order: "name " or
// "value " followed by the text now spoken.
std::vector<std::string> Announced(const std::function<void()>& action);

}  // namespace TestDriver
