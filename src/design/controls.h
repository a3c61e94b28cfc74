// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

// The words the windows are designed in: controls with their places in twips, captions,
// fonts and colours, as plain constants that any window toolkit can build from.
// Texts are UTF-8.
namespace quimbelo::design {

// A place and size in twips (1/1440 inch, 15 to a pixel at 96 dots per inch), relative
// to the client area of the control's container.
struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

// A length in twips as pixels at a screen's dots per inch, to the nearest pixel: the one
// place where the design becomes pixels.
inline constexpr int kTwipsPerInch = 1440;
constexpr int toPixels(int twips, int dotsPerInch = 96)
{
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / kTwipsPerInch);
}
static_assert(toPixels(15) == 1 && toPixels(7) == 0 && toPixels(8) == 1);
static_assert(toPixels(15, 192) == 2 && toPixels(-8) == -1);

// Colours of the desktop's scheme, named by their role.
enum class SystemColour : std::uint8_t {
    ButtonFace, // #C0C0C0 in the standard scheme
    ButtonText, // #000000
    WindowText, // #000000
    MenuText, // #000000
    CaptionText, // #FFFFFF
};

// A colour as the design gives it: none (the default of the control's kind), an exact
// 24-bit value, or a system colour.
struct Colour
{
    enum class Source : std::uint8_t { Default, Exact, System };

    Source source = Source::Default;
    std::uint32_t rgb = 0; // 0xRRGGBB, with Source::Exact
    SystemColour role = SystemColour::ButtonFace; // with Source::System

    constexpr bool isDefault() const { return source == Source::Default; }
};

constexpr Colour rgb(std::uint32_t value)
{
    return { Colour::Source::Exact, value, SystemColour::ButtonFace };
}

constexpr Colour systemColour(SystemColour role)
{
    return { Colour::Source::System, 0, role };
}

// The standard scheme's value of a system colour.
constexpr std::uint32_t standardValue(SystemColour role)
{
    switch (role) {
    case SystemColour::ButtonFace:
        return 0xC0C0C0;
    case SystemColour::CaptionText:
        return 0xFFFFFF;
    case SystemColour::ButtonText:
    case SystemColour::WindowText:
    case SystemColour::MenuText:
        return 0x000000;
    }
    return 0;
}

struct Font
{
    std::string_view family {}; // empty: the window's default font
    double points = 0;
    bool bold = false;
    bool italic = false;

    constexpr bool isDefault() const { return family.empty(); }
};

enum class Kind : std::uint8_t {
    Label,
    Image, // shows a picture, stretched or at its own size
    PictureBox, // a bordered box that sizes itself to its picture
    Button,
    TextBox, // single line
    Frame, // a bordered panel, with or without a caption, that holds other controls
    Option, // option button; the options of one container are one group
    Shape, // rounded rectangle, drawn behind everything
    Line,
    Timer,
};

enum class Align : std::uint8_t { Left, Centre, Right };

// The pictures the windows are designed with.
enum class Picture : std::uint8_t {
    None,
    GallowsStage, // with the stage in Control::index
    GameLogo,
    Wordmark,
    Mascot,
    SponsorBanner,
    NameBanner,
};

// Things the design says of a control that only some kinds have.
enum Flag : std::uint16_t {
    kNone = 0,
    kHidden = 1 << 0, // never shown: a store of a picture, a title nobody sees
    kStretched = 1 << 1, // an image scales its picture to fill its rectangle
    kBorder = 1 << 2, // a single-line border around a label
    kDesignCaption = 1 << 3, // the caption is replaced before the window is shown
    kEnvelopeCursor = 1 << 4, // the mouse pointer over it is the envelope
    kWraps = 1 << 5, // the caption wraps within the control
    kGraphical = 1 << 6, // a button that shows its own face colour
    kDefaultButton = 1 << 7, // Enter presses it
    kCancelButton = 1 << 8, // Esc presses it
    kSelected = 1 << 9, // the option selected when the window opens
    kHatched = 1 << 10, // a shape cross-hatched in its colour behind what it encloses
    kClickable = 1 << 11, // a click on it is an event of the window
};

struct Control
{
    std::string_view name {}; // design name; for an array, the array's name
    int index = -1; // index within its array, -1 for a single control
    Kind kind = Kind::Label;
    std::string_view container {}; // empty: the window's client area
    Twips place {};
    std::string_view caption {};
    Font font {};
    Colour text {}; // text colour; for shapes and lines, the colour they are drawn in
    Colour background {};
    Align align = Align::Left;
    int tabOrder = -1; // -1: takes no focus by Tab
    std::string_view toolTip {};
    Picture picture = Picture::None;
    std::uint16_t flags = kNone;
    int interval = 0; // timers: milliseconds
    // For screen readers, where what the control shows says too little.
    std::string_view accessibleName {};
    std::string_view accessibleDescription {};

    constexpr bool has(Flag flag) const { return (flags & flag) != 0; }
};

enum class Border : std::uint8_t {
    FixedSingle, // title bar with minimise and close boxes; not resizable
    FixedDialog, // title bar with a close box only
    FixedDialogNoTitle, // a raised dialog frame and no title bar at all
};

struct Window
{
    std::string_view name {};
    std::string_view caption {};
    Colour background {};
    Border border = Border::FixedSingle;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    bool centredOnOwner = false; // otherwise centred on the screen
    bool taskBarButton = true;
    std::span<const Control> controls {};
};

enum class Shortcut : std::uint8_t { None, F2, CtrlS };

struct MenuItem
{
    std::string_view name {};
    std::string_view parent {}; // empty: on the menu bar
    std::string_view caption {}; // "&" marks the access key; "-" is a separator
    Shortcut shortcut = Shortcut::None;

    constexpr bool isSeparator() const { return caption == "-"; }
};

// How many controls of a window bear a name: the items of an array.
constexpr int countOf(const Window &window, std::string_view name)
{
    int count = 0;
    for (const Control &control : window.controls) {
        count += control.name == name ? 1 : 0;
    }
    return count;
}

// The control of a window with a name and, for an array, an index.
constexpr const Control *find(const Window &window, std::string_view name, int index = -1)
{
    for (const Control &control : window.controls) {
        if (control.name == name && control.index == index) {
            return &control;
        }
    }
    return nullptr;
}

// Whether a window has a control with a name and, for an array, an index. Unlike find(),
// it compares no pointers, which the sanitizers' checks keep out of constant expressions.
constexpr bool contains(const Window &window, std::string_view name, int index = -1)
{
    for (const Control &control : window.controls) {
        if (control.name == name && control.index == index) {
            return true;
        }
    }
    return false;
}

constexpr const Control &get(const Window &window, std::string_view name, int index = -1)
{
    const Control *control = find(window, name, index);
    // A name missing from the tables is a programming error, caught at compile time in
    // constant expressions.
    if (control == nullptr) {
        std::abort();
    }
    return *control;
}

} // namespace quimbelo::design
