// SPDX-License-Identifier: MIT
// The places and fonts of a window's controls at the window's DPI.
#pragma once

#include "controls.h"

#include <windows.h>

#include <map>
#include <string_view>
#include <tuple>
#include <vector>

namespace quimbelo::win32 {

struct FormControl;

// The design's twips as pixels at a window's DPI.
inline int scaled(int twips, UINT dpi)
{
    return design::toPixels(twips, static_cast<int>(dpi));
}
RECT scaled(const design::Twips &place, UINT dpi);

// Lays a window's controls out at its DPI: each at its designed place and in its designed
// font, both converted at that DPI; again whenever the window moves to a screen of
// another DPI.
class FormLayout
{
public:
    FormLayout() = default;
    ~FormLayout();
    FormLayout(const FormLayout &) = delete;
    FormLayout &operator=(const FormLayout &) = delete;

    UINT dpi() const { return m_dpi; }
    // From now on at dpi. The fonts made for the old DPI live until apply() has given every
    // control its new one.
    void setDpi(UINT dpi);
    // Every built control's font and place.
    void apply(const std::vector<FormControl> &controls);
    // A control's place: a picture takes its picture's size, and a label widens to its text.
    void place(const FormControl &control) const;
    // A font of the design at the DPI; the window's own font for a default one.
    HFONT font(const design::Font &font);

private:
    UINT m_dpi = 96;
    using FontKey = std::tuple<std::string_view, double, bool, bool>;
    std::map<FontKey, HFONT> m_fonts;
    std::vector<HFONT> m_retiredFonts;
};

} // namespace quimbelo::win32
