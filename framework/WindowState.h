// The state of one window, shared by every CWnd object bound to it. This header is the
// framework's own: pages and hosts read windows through CWnd and the control classes.
#pragma once

#include "framework/Wnd.h"

#include <memory>
#include <string>
#include <vector>

struct ListItem
{
    std::string text;
    DWORD_PTR data = 0;
};

struct ListColumn
{
    std::string heading;
    int format = LVCFMT_LEFT;
    int width = 0;
};

struct ListRow
{
    std::vector<std::string> cells; // one per column at least as far as set
    UINT state = 0;
    DWORD_PTR data = 0;
};

struct WindowState
{
    WindowKind kind = WindowKind::None;
    int id = 0;
    DWORD style = 0;
    CRect dialogRect;
    std::string text;
    UINT imageId = 0;

    WindowState* parent = nullptr;
    std::vector<std::unique_ptr<WindowState>> children;

    CWnd* primary = nullptr;
    std::unique_ptr<CWnd> ownedPrimary; // template-created controls and the sheet's buttons
    std::vector<CWnd*> bound;           // every object bound to this window, primary included
    bool announced = false;             // the host has been told about the window

    int check = BST_UNCHECKED;
    UINT limit = 30000;
    std::vector<ListItem> items;
    int curSel = -1;
    std::vector<ListColumn> columns;
    std::vector<ListRow> rows;
    int selectionMark = -1;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    int progressDone = 0;  // a sheet's progress: done of total steps
    int progressTotal = 0; // 0: no progress shown
    std::vector<UINT_PTR> timers;
};

namespace afx
{
// Thrown by CDataExchange::Fail, caught by UpdateData only.
struct DataExchangeFailure
{
};
} // namespace afx
