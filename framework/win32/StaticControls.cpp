// Statics (text, picture, etched line) and group boxes: controls the user cannot act on.
#include "framework/win32/Control.h"

#include "framework/win32/HostImpl.h"

// GDI+ takes COM's types, which the lean <windows.h> leaves out.
#include <objidl.h>

#include <gdiplus.h>

namespace win32host
{
namespace
{
// A text static wraps at word breaks within its rectangle; its mnemonic moves the focus to the
// next control that takes it (the dialog manager's rule).
class TextControl : public Control
{
public:
    using Control::Control;

protected:
    HWND MakeWindow(HWND parent) override { return MakeChild(parent, "STATIC", m_wnd.GetStyle()); }

    void Show(WindowChange what) override
    {
        if (what == WindowChange::Text)
            SetWindowTextA(m_handle, m_wnd.GetWindowText().c_str());
        else
            Control::Show(what);
    }
};

// An SS_BITMAP or SS_ICON static: the picture resource, a 32-bit bitmap with its own
// transparency, drawn smoothly at the control's size.
class PictureControl : public Control
{
public:
    using Control::Control;
    ~PictureControl() override
    {
        if (m_bitmap != nullptr)
            DeleteObject(m_bitmap);
    }

    void OnDrawItem(const DRAWITEMSTRUCT& item) override
    {
        if (m_bitmap == nullptr)
            return;
        DIBSECTION section{};
        if (GetObjectA(m_bitmap, sizeof section, &section) != sizeof section ||
            section.dsBm.bmBitsPixel != 32)
            return;
        const BITMAP& bitmap = section.dsBm;
        // The rows of a bitmap resource run bottom up.
        auto* lastRow = static_cast<BYTE*>(bitmap.bmBits) +
                        static_cast<ptrdiff_t>(bitmap.bmHeight - 1) * bitmap.bmWidthBytes;
        Gdiplus::Bitmap picture(bitmap.bmWidth, bitmap.bmHeight, -bitmap.bmWidthBytes,
                                PixelFormat32bppPARGB, lastRow);
        Gdiplus::Graphics graphics(item.hDC);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
        const RECT& area = item.rcItem;
        graphics.DrawImage(&picture, Gdiplus::Rect(area.left, area.top, area.right - area.left,
                                                   area.bottom - area.top));
    }

protected:
    HWND MakeWindow(HWND parent) override
    {
        m_bitmap =
            static_cast<HBITMAP>(LoadImageA(m_host.instance, MAKEINTRESOURCEA(m_wnd.GetImageId()),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        const DWORD style = (m_wnd.GetStyle() & ~SS_TYPEMASK) | SS_OWNERDRAW;
        return MakeChild(parent, "STATIC", style);
    }

private:
    HBITMAP m_bitmap = nullptr;
};

// SS_ETCHEDHORZ: a sunken line, the system's own.
class LineControl : public Control
{
public:
    using Control::Control;

protected:
    HWND MakeWindow(HWND parent) override { return MakeChild(parent, "STATIC", m_wnd.GetStyle()); }
};

// A group box frames other controls; it takes no focus.
class GroupBoxControl : public Control
{
public:
    using Control::Control;

protected:
    HWND MakeWindow(HWND parent) override
    {
        return MakeChild(parent, "BUTTON", m_wnd.GetStyle() & ~WS_TABSTOP);
    }

    void Show(WindowChange what) override
    {
        if (what == WindowChange::Text)
            SetWindowTextA(m_handle, m_wnd.GetWindowText().c_str());
        else
            Control::Show(what);
    }
};
} // namespace

std::unique_ptr<Control> MakeTextControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<TextControl>(host, wnd);
}

std::unique_ptr<Control> MakePictureControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<PictureControl>(host, wnd);
}

std::unique_ptr<Control> MakeLineControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<LineControl>(host, wnd);
}

std::unique_ptr<Control> MakeGroupBoxControl(Win32Host::Impl& host, CWnd& wnd)
{
    return std::make_unique<GroupBoxControl>(host, wnd);
}
} // namespace win32host
