// SPDX-License-Identifier: MIT
// Finding the pictures among the program's resources and decoding them.
#include "pictures.h"

#include "picturesources.h"
#include "resources.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>
#include <span>
#include <string>

namespace quimbelo::win32::pictures {

namespace {

// The resource names are the vector sources' names, in capitals, with the stage of a
// gallows picture and the scale in percent: "GALLOWS3_150".
std::wstring baseNameOf(design::Picture picture, int stage)
{
    std::wstring name;
    for (const char c : design::sourceOf(picture)) {
        name += static_cast<wchar_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    if (picture == design::Picture::GallowsStage) {
        name += std::to_wstring(stage);
    }
    return name;
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

// Windows' imaging component, made once: making it looks its codecs up in the registry.
// It lives as long as the program, whose end releases it with the rest.
IWICImagingFactory *imagingFactory()
{
    static IWICImagingFactory *const factory = [] {
        IWICImagingFactory *made = nullptr;
        if (FAILED(CoCreateInstance(
                CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&made)))) {
            return static_cast<IWICImagingFactory *>(nullptr);
        }
        return made;
    }();
    return factory;
}

// The bytes of a picture resource, a PNG.
std::span<const BYTE> resourceBytes(const std::wstring &name)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void *data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return {};
    }
    return { static_cast<const BYTE *>(data), SizeofResource(module, found) };
}

// The pixel size a PNG's header gives, read without decoding it: the signature, then the
// IHDR chunk's length and type, then the width and height, big-endian.
SIZE pngSize(std::span<const BYTE> png)
{
    constexpr std::size_t kWidthAt = 16;
    if (png.size() < kWidthAt + 8 || std::memcmp(png.data() + 12, "IHDR", 4) != 0) {
        return {};
    }
    const auto bigEndian = [&](std::size_t at) {
        return static_cast<LONG>(
            (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3]);
    };
    return { bigEndian(kWidthAt), bigEndian(kWidthAt + 4) };
}

// A picture resource, a PNG, decoded by Windows' imaging component into a bitmap of its
// pixels.
HBITMAP loadBitmap(const std::wstring &name)
{
    const std::span<const BYTE> png = resourceBytes(name);
    if (png.empty()) {
        return nullptr;
    }
    IWICImagingFactory *factory = imagingFactory();
    using Microsoft::WRL::ComPtr;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (factory == nullptr || FAILED(factory->CreateStream(&stream))
        || FAILED(stream->InitializeFromMemory(
            const_cast<BYTE *>(png.data()), static_cast<DWORD>(png.size())))
        || FAILED(factory->CreateDecoderFromStream(
            stream.Get(), nullptr, WICDecodeMetadataCacheOnLoad, &decoder))
        || FAILED(decoder->GetFrame(0, &frame))
        || FAILED(factory->CreateFormatConverter(&converter))
        || FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR,
            WICBitmapDitherTypeNone, nullptr, 0.0, WICBitmapPaletteTypeCustom))
        || FAILED(converter->GetSize(&width, &height))) {
        return nullptr;
    }
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return nullptr;
    }
    if (FAILED(converter->CopyPixels(
            nullptr, width * 4, width * 4 * height, static_cast<BYTE *>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

} // namespace

Picture::Ptr Picture::make(design::Picture picture, int stage)
{
    if (picture == design::Picture::None) {
        return nullptr;
    }
    return Ptr(new Picture(baseNameOf(picture, stage)));
}

// A picture is decoded only when it is first drawn at a scale: the gallows' later stages,
// hidden until the player misses, cost nothing before.
Picture::Picture(std::wstring baseName)
    : m_baseName(std::move(baseName))
    , m_designSize(pngSize(resourceBytes(m_baseName + L'_' + std::to_wstring(kScales[0]))))
{
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

} // namespace quimbelo::win32::pictures
