// SPDX-License-Identifier: MIT
// A build tool, run under Node: writes index.html with the splash drawn into it as HTML.
//
//   splashpage TEMPLATE ASSETS OUTPUT [STYLESHEET...]
//
// The splash is written from its design and its loading, the same elements, classes and
// styles that page.js gives a window it builds, so that the page shows it whole at its
// first paint, before the program has arrived; the program then takes these elements over
// (page.js's PageWindow). A label that does not wrap widens to its text by CSS here, its
// aligned edge kept, as FormWidgets::widenToText widens it once the program runs. The
// pictures are the drawings of ASSETS, each filling its box, as data addresses. Each
// STYLESHEET that the page links is written into it, so that nothing but the page itself
// stands between the player and the splash's first frame.
#include "common.h"
#include "formjson.h"
#include "picturesources.h"
#include "splash.h"
#include "splashplay.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

using namespace quimbelo;
using design::Control;

// The splash's captions as its loading leaves them (the version), without a screen.
class Captions : public play::WindowWidgets, private play::StartupPort
{
public:
    Captions()
    {
        for (const Control &control : design::splash::kControls) {
            m_captions[&control] = std::string(control.caption);
        }
        play::SplashPlay(*this, *this).load();
    }

    const std::string &of(const Control &control) const { return m_captions.at(&control); }

private:
    void setTitle(std::string_view) override { }
    void setCaption(const Control &control, std::string_view utf8) override
    {
        m_captions[&control] = std::string(utf8);
    }
    void startTimer(const Control &, int) override { }
    void stopTimer(const Control &) override { }
    void announce(std::string_view) override { }
    bool prepareStep() override { return false; }
    void closeSplash() override { }
    void openGameWindow() override { }

    std::map<const Control *, std::string> m_captions;
};

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string number(double value)
{
    std::array<char, 32> text {};
    std::snprintf(text.data(), text.size(), "%g", value);
    return text.data();
}

// page.js's cssFont(): the designed fonts by the page's stacks of free fonts with their
// metrics (page.css's variables).
std::string cssFont(const design::Font &font)
{
    static const std::map<std::string_view, std::string_view> kStacks {
        { "Arial", "var(--font-arial)" },
        { "MS Sans Serif", "var(--font-ms-sans-serif)" },
        { "Comic Sans MS", "var(--font-comic)" },
    };
    const auto stack = kStacks.find(font.family);
    return std::string(font.italic ? "italic " : "") + (font.bold ? "bold " : "")
        + number(font.points) + "pt "
        + (stack != kStacks.end() ? std::string(stack->second)
                                  : "\"" + std::string(font.family) + "\", sans-serif");
}

// A drawing as a picture of page.js draws it: filling its box, whatever its proportions.
struct Drawing
{
    std::string address;
    int width = 0;
    int height = 0;
};

int attribute(const std::string &svg, const std::string &name)
{
    const std::size_t at = svg.find(" " + name + "=\"");
    if (at == std::string::npos) {
        throw std::runtime_error("a drawing without its " + name);
    }
    return std::stoi(svg.substr(at + name.size() + 3));
}

Drawing drawing(const std::string &assets, std::string_view name)
{
    std::string svg = readFile(assets + "/" + std::string(name) + ".svg");
    const std::size_t root = svg.find("<svg ");
    if (root == std::string::npos) {
        throw std::runtime_error(std::string(name) + ".svg holds no drawing");
    }
    svg.insert(root + 5, "preserveAspectRatio=\"none\" ");
    Drawing out { "data:image/svg+xml,", attribute(svg, "width"), attribute(svg, "height") };
    // What an address and a quoted attribute cannot hold as it is.
    for (const char c : svg) {
        if (c == '%' || c == '#' || c == '"' || c == '&' || static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 4> code {};
            std::snprintf(code.data(), code.size(), "%%%02X", static_cast<unsigned char>(c));
            out.address += code.data();
        } else {
            out.address += c;
        }
    }
    return out;
}

const Control *containerOf(const Control &control)
{
    for (const Control &candidate : design::splash::kControls) {
        if (!control.container.empty() && candidate.name == control.container) {
            return &candidate;
        }
    }
    return nullptr;
}

std::string px(int twips)
{
    return std::to_string(design::toPixels(twips)) + "px";
}

// A control's element, its children left open for the caller to close.
std::string control(const Control &control, const Captions &captions, const std::string &assets)
{
    const auto &window = design::splash::kWindow;
    std::string classes;
    std::string attributes;
    std::string inner;
    std::string style;
    std::string tag = "div";
    const int left = design::toPixels(control.place.left);
    const int width = design::toPixels(control.place.width);
    std::string place = "left: " + std::to_string(left) + "px; top: " + px(control.place.top)
        + "; width: " + std::to_string(width) + "px; height: " + px(control.place.height) + ";";
    switch (control.kind) {
    case design::Kind::Frame:
        if (!control.caption.empty()) {
            throw std::runtime_error("a captioned frame on the splash");
        }
        classes = "frame panel";
        attributes = " role=\"group\"";
        inner = "<div class=\"edge\"></div>";
        break;
    case design::Kind::Image: {
        classes = control.has(design::kStretched) ? "image stretched" : "image";
        attributes = control.has(design::kClickable) ? " role=\"link\"" : " role=\"img\"";
        const Drawing picture = drawing(assets, design::sourceOf(control.picture));
        inner = "<img alt=\"\" src=\"" + picture.address + "\"";
        if (!control.has(design::kStretched)) {
            inner += " width=\"" + std::to_string(picture.width) + "\" height=\""
                + std::to_string(picture.height) + "\"";
        }
        inner += ">";
        break;
    }
    case design::Kind::Label: {
        classes = control.has(design::kWraps) ? "label wraps" : "label";
        if (control.has(design::kBorder)) {
            classes += " border";
        }
        const std::string &caption = captions.of(control);
        inner = escaped(caption);
        style = "text-align: "
            + std::string(control.align == design::Align::Centre ? "center"
                    : control.align == design::Align::Right      ? "right"
                                                                 : "left")
            + "; ";
        if (!control.has(design::kWraps) && !caption.empty()) {
            // As wide as its text where that is wider than designed, from its aligned edge.
            const Control *container = containerOf(control);
            const int room
                = design::toPixels(container ? container->place.width : window.clientWidth);
            const std::string top = "top: " + px(control.place.top)
                + "; height: " + px(control.place.height) + "; min-width: " + std::to_string(width)
                + "px; width: max-content;";
            switch (control.align) {
            case design::Align::Right:
                place = "right: " + std::to_string(room - left - width) + "px; " + top;
                break;
            case design::Align::Centre:
                place = "left: " + std::to_string(left + width / 2) + "px; " + top
                    + " transform: translateX(-50%);";
                break;
            case design::Align::Left:
                place = "left: " + std::to_string(left) + "px; " + top;
                break;
            }
        }
        break;
    }
    case design::Kind::Timer:
        return {};
    default:
        throw std::runtime_error("no HTML for " + std::string(control.name) + "'s kind");
    }
    style += place;
    if (!control.font.isDefault()) {
        style += " font: " + cssFont(control.font) + ";";
    }
    if (const std::string colour = web::cssColour(control.text); !colour.empty()) {
        style += " color: " + colour + ";";
    }
    if (const std::string background = web::cssColour(control.background); !background.empty()) {
        style += " background: " + background + ";";
    }
    std::string out = "<" + tag + " class=\"" + classes + " control\" data-name=\""
        + std::string(control.name) + "\"" + attributes + " style=\"" + escaped(style) + "\"";
    if (!control.toolTip.empty()) {
        out += " title=\"" + escaped(control.toolTip) + "\"";
    }
    if (!control.accessibleName.empty()) {
        out += " aria-label=\"" + escaped(control.accessibleName) + "\"";
    }
    if (!control.accessibleDescription.empty()) {
        out += " aria-description=\"" + escaped(control.accessibleDescription) + "\"";
    }
    if (control.has(design::kHidden)) {
        out += " hidden";
    }
    return out + ">" + inner;
}

std::string splashHtml(const std::string &assets)
{
    const auto &window = design::splash::kWindow;
    if (window.border != design::Border::FixedDialogNoTitle) {
        throw std::runtime_error("the splash has a title bar");
    }
    const Captions captions;
    std::ostringstream out;
    out << "<section class=\"window\" data-window=\"" << window.name
        << "\" data-prebuilt tabindex=\"-1\" style=\"font: " << cssFont(design::kDefaultFont)
        << ";\">";
    out << "<div class=\"client\" style=\"width: " << px(window.clientWidth)
        << "; height: " << px(window.clientHeight)
        << "; background: " << web::cssColour(window.background) << ";\">";
    // Each control inside its container, in the design's order.
    const auto children = [&](const auto &self, std::string_view container) -> void {
        for (const Control &child : window.controls) {
            if (child.container == container && child.kind != design::Kind::Timer) {
                out << control(child, captions, assets);
                self(self, child.name);
                out << "</div>";
            }
        }
    };
    children(children, "");
    out << "</div></section>";
    return out.str();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::cerr << "usage: splashpage TEMPLATE ASSETS OUTPUT [STYLESHEET...]\n";
        return 2;
    }
    try {
        std::string page = readFile(argv[1]);
        const std::string marker = "@QUIMBELO_SPLASH@";
        const std::size_t at = page.find(marker);
        if (at == std::string::npos) {
            throw std::runtime_error(std::string(argv[1]) + " has no place for the splash");
        }
        page.replace(at, marker.size(), splashHtml(argv[2]));
        for (int i = 4; i < argc; ++i) {
            const std::string path = argv[i];
            const std::string link = "<link rel=\"stylesheet\" href=\""
                + path.substr(path.find_last_of('/') + 1) + "\">";
            const std::size_t linked = page.find(link);
            if (linked == std::string::npos) {
                throw std::runtime_error(std::string(argv[1]) + " does not link " + path);
            }
            page.replace(linked, link.size(), "<style>\n" + readFile(path) + "</style>");
        }
        std::ofstream(argv[3], std::ios::binary) << page;
    } catch (const std::exception &error) {
        std::cerr << "splashpage: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
