// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "resources.h"

#include <string>

namespace pictures {

namespace {

namespace design = quimbelo::design;

// The resource names are the vector sources' names, in capitals, with the stage of a
// gallows picture and the scale in percent: "GALLOWS3_150".
std::wstring baseNameOf(design::Picture picture, int stage)
{
    switch (picture) {
    case design::Picture::GallowsStage:
        return L"GALLOWS" + std::to_wstring(stage);
    case design::Picture::GameLogo:
        return L"LOGO";
    case design::Picture::Wordmark:
        return L"WORDMARK";
    case design::Picture::Mascot:
        return L"MASCOT";
    case design::Picture::SponsorBanner:
        return L"SPONSOR";
    case design::Picture::NameBanner:
        return L"NAMEBANNER";
    case design::Picture::None:
        break;
    }
    return {};
}

constexpr std::array<int, 3> kScales { 100, 150, 200 };

// The drawing made for the scale nearest to the window's.
std::size_t scaleIndex(UINT dpi)
{
    const int percent = MulDiv(static_cast<int>(dpi), 100, 96);
    if (percent < 125) {
        return 0;
    }
    return percent < 175 ? 1 : 2;
}

HBITMAP loadBitmap(const std::wstring &name)
{
    return static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

} // namespace

Picture::Ptr Picture::make(quimbelo::design::Picture picture, int stage)
{
    if (picture == quimbelo::design::Picture::None) {
        return nullptr;
    }
    return Ptr(new Picture(baseNameOf(picture, stage)));
}

Picture::Picture(std::wstring baseName)
    : m_baseName(std::move(baseName))
{
    if (HBITMAP design = bitmapFor(96)) {
        BITMAP info {};
        GetObjectW(design, sizeof info, &info);
        m_designSize = { info.bmWidth, info.bmHeight };
    }
}

Picture::~Picture()
{
    for (HBITMAP bitmap : m_bitmaps) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
    }
}

HBITMAP Picture::bitmapFor(UINT dpi) const
{
    const std::size_t index = scaleIndex(dpi);
    if (m_bitmaps[index] == nullptr) {
        m_bitmaps[index] = loadBitmap(m_baseName + L'_' + std::to_wstring(kScales[index]));
    }
    return m_bitmaps[index];
}

void Picture::draw(HDC dc, const RECT &box, UINT dpi) const
{
    HBITMAP bitmap = bitmapFor(dpi);
    if (bitmap == nullptr) {
        return;
    }
    BITMAP info {};
    GetObjectW(bitmap, sizeof info, &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width == info.bmWidth && height == info.bmHeight) {
        BitBlt(dc, box.left, box.top, width, height, source, 0, 0, SRCCOPY);
    } else {
        // The pictures fill their controls whatever their proportions; halftone keeps
        // the thin strokes of a reduced drawing.
        const int oldMode = SetStretchBltMode(dc, HALFTONE);
        POINT origin {};
        SetBrushOrgEx(dc, 0, 0, &origin);
        StretchBlt(dc, box.left, box.top, width, height, source, 0, 0, info.bmWidth, info.bmHeight,
            SRCCOPY);
        SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
        SetStretchBltMode(dc, oldMode);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

HICON windowIcon(int size)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUIMBELO_ICON),
        IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

HCURSOR envelopeCursor(UINT dpi)
{
    const int size = MulDiv(32, static_cast<int>(dpi), 96);
    return static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr),
        MAKEINTRESOURCEW(QUIMBELO_ENVELOPE_CURSOR), IMAGE_CURSOR, size, size, LR_DEFAULTCOLOR));
}

} // namespace pictures
