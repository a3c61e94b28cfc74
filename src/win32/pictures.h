// SPDX-License-Identifier: MIT
// The pictures, the icon and the cursor compiled into the program.
#pragma once

#include "controls.h"

#include <windows.h>

#include <array>
#include <memory>

// The pictures compiled into the program as PNG resources, drawn at build time from the
// same vector sources as the Qt program's at 1x, 1.5x and 2x their design size, and
// decoded by Windows' imaging component (COM must be started on the thread).
namespace quimbelo::win32::pictures {

// A picture object. Controls share pictures by pointer; two controls show the same picture
// when they hold the same object, whatever the content.
class Picture
{
public:
    using Ptr = std::shared_ptr<const Picture>;

    // The picture of the design; for the gallows, the picture of one stage.
    static Ptr make(quimbelo::design::Picture picture, int stage = 0);

    ~Picture();
    Picture(const Picture &) = delete;
    Picture &operator=(const Picture &) = delete;

    // The size it was designed at, in pixels at 96 dots per inch, and that size at dpi.
    SIZE designSize() const { return m_designSize; }
    SIZE sizeAt(UINT dpi) const
    {
        return { MulDiv(m_designSize.cx, static_cast<int>(dpi), 96),
            MulDiv(m_designSize.cy, static_cast<int>(dpi), 96) };
    }

    // Draws it into box: the drawing made for the nearest scale, stretched to fill it.
    void draw(HDC dc, const RECT &box, UINT dpi) const;
    // Decodes now the drawing that draw will use at dpi.
    void prepare(UINT dpi) const { bitmapFor(dpi); }

private:
    explicit Picture(std::wstring baseName);
    HBITMAP bitmapFor(UINT dpi) const;

    std::wstring m_baseName;
    SIZE m_designSize {};
    mutable std::array<HBITMAP, 3> m_bitmaps {};
};

// The program's icon at a pixel size, and the envelope cursor for a window's DPI.
HICON windowIcon(int size);
HCURSOR envelopeCursor(UINT dpi);

} // namespace quimbelo::win32::pictures
