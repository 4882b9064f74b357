// Win32Host::Screenshot: the sheet window as it is drawn, its frame included, saved as PNG by
// GDI+. It is copied from the window's own drawing (its window DC), not from the screen, so that
// neither another window over it nor a screen that shows it late changes the picture.
#include "framework/win32/HostImpl.h"

// GDI+ takes COM's types, which the lean <windows.h> leaves out.
#include <objidl.h>

#include <gdiplus.h>

#include <string>
#include <vector>

namespace
{
bool FindPngEncoder(CLSID& encoder)
{
    UINT count = 0;
    UINT size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
        return false;
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
    {
        if (std::wstring(encoders[i].MimeType) == L"image/png")
        {
            encoder = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

std::wstring Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}
} // namespace

bool Win32Host::Screenshot(const std::string& file)
{
    HWND sheet = m_impl->SheetWindow();
    CLSID png;
    if (sheet == nullptr || !IsWindowVisible(sheet) || !FindPngEncoder(png))
        return false;
    // Whatever waits to be painted is painted first; nothing of the wizard's code runs here.
    RedrawWindow(sheet, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT frame;
    GetWindowRect(sheet, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HDC window = GetWindowDC(sheet);
    HDC memory = CreateCompatibleDC(window);
    HBITMAP picture = CreateCompatibleBitmap(window, width, height);
    HGDIOBJ previous = SelectObject(memory, picture);
    const bool copied = BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY) != FALSE;
    SelectObject(memory, previous);
    bool saved = false;
    if (copied)
    {
        Gdiplus::Bitmap image(picture, nullptr);
        saved = image.Save(Wide(file).c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(sheet, window);
    return saved;
}
