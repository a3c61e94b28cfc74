// SPDX-License-Identifier: MIT
// The windows' design written out for the page's script.
#include "formjson.h"

#include "common.h"
#include "picturesources.h"

#include <array>
#include <cstdio>

namespace quimbelo::web {

namespace {

constexpr std::string_view kindName(design::Kind kind)
{
    constexpr std::array<std::string_view, 10> kNames { "Label", "Image", "PictureBox", "Button",
        "TextBox", "Frame", "Option", "Shape", "Line", "Timer" };
    return kNames.at(static_cast<std::size_t>(kind));
}

constexpr std::string_view alignName(design::Align align)
{
    switch (align) {
    case design::Align::Centre:
        return "center";
    case design::Align::Right:
        return "right";
    case design::Align::Left:
        break;
    }
    return "left";
}

constexpr std::string_view borderName(design::Border border)
{
    switch (border) {
    case design::Border::FixedDialog:
        return "dialog";
    case design::Border::FixedDialogNoTitle:
        return "none";
    case design::Border::FixedSingle:
        break;
    }
    return "single";
}

// The flags the page acts on, by the names its script reads.
struct FlagName
{
    design::Flag flag;
    std::string_view name;
};
constexpr std::array<FlagName, 12> kFlagNames { {
    { design::kHidden, "hidden" },
    { design::kStretched, "stretched" },
    { design::kBorder, "border" },
    { design::kEnvelopeCursor, "envelope" },
    { design::kWraps, "wraps" },
    { design::kGraphical, "graphical" },
    { design::kDefaultButton, "default" },
    { design::kCancelButton, "cancel" },
    { design::kSelected, "selected" },
    { design::kHatched, "hatched" },
    { design::kClickable, "clickable" },
    { design::kDesignCaption, "designCaption" },
} };

class Writer
{
public:
    void raw(std::string_view text) { m_out += text; }
    void key(std::string_view name)
    {
        m_out += m_first ? "" : ",";
        m_first = false;
        m_out += jsonString(name);
        m_out += ':';
    }
    void field(std::string_view name, std::string_view text)
    {
        key(name);
        m_out += jsonString(text);
    }
    void field(std::string_view name, int value)
    {
        key(name);
        m_out += std::to_string(value);
    }
    void number(std::string_view name, double value)
    {
        key(name);
        std::array<char, 32> text {};
        std::snprintf(text.data(), text.size(), "%g", value);
        m_out += text.data();
    }
    void boolean(std::string_view name, bool value)
    {
        key(name);
        m_out += value ? "true" : "false";
    }
    void open(char bracket)
    {
        m_out += bracket;
        m_first = true;
    }
    void close(char bracket)
    {
        m_out += bracket;
        m_first = false;
    }
    // An element of an array: an object opened next, or a value written at once.
    void element()
    {
        m_out += m_first ? "" : ",";
        m_first = true;
    }
    void value(std::string_view json)
    {
        m_out += m_first ? "" : ",";
        m_out += json;
        m_first = false;
    }
    std::string take() { return std::move(m_out); }

private:
    std::string m_out;
    bool m_first = true;
};

void writeFont(Writer &out, const design::Font &font)
{
    out.key("font");
    if (font.isDefault()) {
        out.raw("null");
        return;
    }
    out.open('{');
    out.field("family", font.family);
    out.number("points", font.points);
    out.boolean("bold", font.bold);
    out.boolean("italic", font.italic);
    out.close('}');
}

void writeControl(Writer &out, const design::Control &control)
{
    out.open('{');
    out.field("name", control.name);
    out.field("index", control.index);
    out.field("kind", kindName(control.kind));
    out.field("container", control.container);
    out.field("left", design::toPixels(control.place.left));
    out.field("top", design::toPixels(control.place.top));
    out.field("width", design::toPixels(control.place.width));
    out.field("height", design::toPixels(control.place.height));
    out.field("caption", control.caption);
    writeFont(out, control.font);
    out.field("colour", cssColour(control.text));
    out.field("background", cssColour(control.background));
    out.field("align", alignName(control.align));
    out.field("tabOrder", control.tabOrder);
    out.field("toolTip", control.toolTip);
    out.field("picture", design::sourceOf(control.picture));
    out.field("interval", control.interval);
    out.field("accessibleName", control.accessibleName);
    out.field("accessibleDescription", control.accessibleDescription);
    out.key("flags");
    out.open('[');
    for (const FlagName &flag : kFlagNames) {
        if (control.has(flag.flag)) {
            out.value(jsonString(flag.name));
        }
    }
    out.close(']');
    out.close('}');
}

} // namespace

std::string cssColour(const design::Colour &colour)
{
    if (colour.isDefault()) {
        return {};
    }
    const std::uint32_t rgb = colour.source == design::Colour::Source::System
        ? design::standardValue(colour.role)
        : colour.rgb;
    std::array<char, 8> text {};
    std::snprintf(text.data(), text.size(), "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text.data();
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escaped {};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", byte);
            out += escaped.data();
        } else {
            out += c;
        }
    }
    return out + '"';
}

int rowOf(const design::Window &window, const design::Control &control)
{
    return static_cast<int>(&control - window.controls.data());
}

std::string windowJson(const design::Window &window, int clientWidthTwips, int clientHeightTwips,
    std::span<const design::MenuItem> menu)
{
    Writer out;
    out.open('{');
    out.field("name", window.name);
    out.field("title", window.caption);
    out.field("width", design::toPixels(clientWidthTwips));
    out.field("height", design::toPixels(clientHeightTwips));
    out.field("background", cssColour(window.background));
    out.field("border", borderName(window.border));
    writeFont(out, design::kDefaultFont);
    out.key("menu");
    out.open('[');
    for (const design::MenuItem &item : menu) {
        out.element();
        out.open('{');
        out.field("name", item.name);
        out.field("parent", item.parent);
        out.field("caption", item.caption);
        out.field("shortcut",
            item.shortcut == design::Shortcut::F2          ? "F2"
                : item.shortcut == design::Shortcut::CtrlS ? "Ctrl+S"
                                                           : "");
        out.close('}');
    }
    out.close(']');
    out.key("controls");
    out.open('[');
    for (const design::Control &control : window.controls) {
        out.element();
        writeControl(out, control);
    }
    out.close(']');
    out.close('}');
    return out.take();
}

} // namespace quimbelo::web
