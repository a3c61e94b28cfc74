// SPDX-License-Identifier: MIT
// The windows' design as the page's script receives it: well-formed JSON, places in
// pixels, colours resolved, texts escaped, every control in the design's order.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include "about.h"
#include "form1.h"
#include "formjson.h"
#include "splash.h"

#include <string>
#include <vector>

using namespace quimbelo;

namespace {

// Whether text is one JSON value as far as the page's parser cares: brackets that pair up
// outside strings, strings that end, and no comma before a closing bracket.
bool wellFormed(std::string_view text)
{
    std::vector<char> open;
    bool inString = false;
    char previous = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            previous = '"';
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            open.push_back(c == '{' ? '}' : ']');
        } else if (c == '}' || c == ']') {
            if (open.empty() || open.back() != c || previous == ',') {
                return false;
            }
            open.pop_back();
        }
        previous = c;
    }
    return open.empty() && !inString;
}

// The JSON object of the control at a row: from its opening brace to the next row's.
std::string controlAt(const std::string &json, int row)
{
    std::size_t at = json.find("\"controls\":[");
    for (int i = 0; i <= row && at != std::string::npos; ++i) {
        at = json.find("{\"name\":", at + 1);
    }
    return json.substr(at, json.find("{\"name\":", at + 1) - at);
}

} // namespace

TEST_CASE("Texts become JSON strings with what JSON must escape escaped")
{
    CHECK(web::jsonString("Ñ \"Q\" a\\b") == "\"Ñ \\\"Q\\\" a\\\\b\"");
    CHECK(web::jsonString("una\ndos\r\x01") == "\"una\\u000ados\\u000d\\u0001\"");
    CHECK(web::jsonString("") == "\"\"");
}

TEST_CASE("Colours become CSS colours, system colours by the standard scheme")
{
    CHECK(web::cssColour({}).empty());
    CHECK(web::cssColour(design::rgb(0xFFFFC0)) == "#ffffc0");
    CHECK(web::cssColour(design::rgb(0x000080)) == "#000080");
    CHECK(web::cssColour(design::systemColour(design::SystemColour::ButtonText)) == "#000000");
    CHECK(web::cssColour(design::systemColour(design::SystemColour::CaptionText)) == "#ffffff");
}

TEST_CASE("Each window is one well-formed object with every control in the design's order")
{
    for (const design::Window *window :
        { &design::form1::kWindow, &design::splash::kWindow, &design::about::kWindow }) {
        const std::string json
            = web::windowJson(*window, window->clientWidth, window->clientHeight);
        CAPTURE(window->name);
        CHECK(wellFormed(json));
        for (std::size_t row = 0; row < window->controls.size(); ++row) {
            const design::Control &control = window->controls[row];
            CHECK(web::rowOf(*window, control) == static_cast<int>(row));
            const std::string entry = controlAt(json, static_cast<int>(row));
            CHECK(entry.starts_with("{\"name\":" + web::jsonString(control.name)));
            CHECK(entry.find("\"index\":" + std::to_string(control.index) + ",")
                != std::string::npos);
        }
    }
}

TEST_CASE("The game window has its run-time client size, its menu and its controls in pixels")
{
    using namespace design::form1;
    const std::string json
        = web::windowJson(kWindow, kRunTimeClient.width, kRunTimeClient.height, kMenu);
    CHECK(json.find("\"width\":375,\"height\":389,") != std::string::npos);
    CHECK(
        json.find("\"font\":{\"family\":\"MS Sans Serif\",\"points\":8.25,") != std::string::npos);
    CHECK(json.find("{\"name\":\"MnNuevoJuego\",\"parent\":\"MnJuego\","
                    "\"caption\":\"&Nuevo juego (F2)\",\"shortcut\":\"F2\"}")
        != std::string::npos);
    CHECK(
        json.find("\"caption\":\"&Salir (Ctrl+S)\",\"shortcut\":\"Ctrl+S\"") != std::string::npos);

    const int enye = web::rowOf(kWindow, letra(19));
    const std::string key = controlAt(json, enye);
    // 3600, 3000, 375 and 375 twips, at 15 to a pixel.
    CHECK(key.find("\"left\":240,\"top\":200,\"width\":25,\"height\":25,\"caption\":\"Ñ\"")
        != std::string::npos);
    CHECK(key.find("\"tabOrder\":19") != std::string::npos);

    const std::string stage
        = controlAt(json, web::rowOf(kWindow, design::get(kWindow, "Image3", 4)));
    CHECK(stage.find("\"picture\":\"gallows\"") != std::string::npos);
    CHECK(stage.find("\"flags\":[\"hidden\",\"stretched\"]") != std::string::npos);

    const std::string frame = controlAt(json, web::rowOf(kWindow, design::get(kWindow, "Frame1")));
    CHECK(frame.find("\"colour\":\"#c0ffc0\",\"background\":\"#000000\"") != std::string::npos);
    const std::string counter
        = controlAt(json, web::rowOf(kWindow, design::get(kWindow, "Label4")));
    CHECK(counter.find("\"font\":{\"family\":\"Comic Sans MS\",\"points\":11.25,\"bold\":true,"
                       "\"italic\":false}")
        != std::string::npos);
    CHECK(counter.find("\"accessibleDescription\":\"Intentos\"") != std::string::npos);
}

TEST_CASE("A window without a title bar or menu says so")
{
    const std::string json = web::windowJson(design::splash::kWindow,
        design::splash::kWindow.clientWidth, design::splash::kWindow.clientHeight);
    CHECK(json.find("\"border\":\"none\"") != std::string::npos);
    CHECK(json.find("\"menu\":[]") != std::string::npos);
    // A timer keeps its interval; the panel takes clicks.
    CHECK(controlAt(json, 8).find("\"kind\":\"Timer\"") != std::string::npos);
    CHECK(controlAt(json, 8).find("\"interval\":3000") != std::string::npos);
    CHECK(controlAt(json, 0).find("\"flags\":[\"clickable\"]") != std::string::npos);
}
