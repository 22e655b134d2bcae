#pragma once
// Numbers shared by the grid control and the windows that use it: the
// notification codes sent to the owner, the state bits of a cell and the
// format bits of a cell's text. The format bits keep the values of the
// Windows text-drawing flags, so format numbers from older code still mean
// the same; the names carry a grid prefix so they never clash with the
// Windows headers on that platform.

// Notification codes (see CGridCtrl::SendMessageToParent).
constexpr int GVN_SELCHANGED = -101;    // the focus cell or the selection changed
constexpr int GVN_ENDLABELEDIT = -106;  // an in-cell edit changed a cell's text

// State bits of a cell. Focused and selected are answered from the view and
// cannot be stored; read-only and modified are the cell's own.
constexpr unsigned GVIS_FOCUSED = 0x0001;
constexpr unsigned GVIS_SELECTED = 0x0002;
constexpr unsigned GVIS_READONLY = 0x0008;
constexpr unsigned GVIS_MODIFIED = 0x0080;

// Format bits of a cell's text.
constexpr unsigned GVF_LEFT = 0x0000;
constexpr unsigned GVF_CENTER = 0x0001;
constexpr unsigned GVF_RIGHT = 0x0002;
constexpr unsigned GVF_TOP = 0x0000;
constexpr unsigned GVF_VCENTER = 0x0004;
constexpr unsigned GVF_BOTTOM = 0x0008;
constexpr unsigned GVF_WORDBREAK = 0x0010;
constexpr unsigned GVF_SINGLELINE = 0x0020;
constexpr unsigned GVF_NOPREFIX = 0x0800;
// What a cell shows when nobody set its format.
constexpr unsigned GVF_DEFAULT = GVF_LEFT | GVF_VCENTER | GVF_SINGLELINE | GVF_NOPREFIX;
