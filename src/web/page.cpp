// SPDX-License-Identifier: MIT
// The calls into page.js. Each passes numbers and UTF-8 texts to the page object that
// the page handed the module when it started it (Module.page).
#include "page.h"

#include "common.h"

#include <emscripten.h>

#include <cstdlib>

// clang-format off
EM_JS(void, quimbelo_page_build, (int window, const char *json), {
    Module.page.build(window, JSON.parse(UTF8ToString(json)));
});
EM_JS(void, quimbelo_page_show, (int window), { Module.page.show(window); });
EM_JS(void, quimbelo_page_close, (int window), { Module.page.close(window); });
EM_JS(void, quimbelo_page_set_title, (int window, const char *text), {
    Module.page.setTitle(window, UTF8ToString(text));
});
EM_JS(void, quimbelo_page_set_caption, (int window, int row, const char *text), {
    Module.page.setCaption(window, row, UTF8ToString(text));
});
EM_JS(void, quimbelo_page_set_span, (int window, int row, int left, int width), {
    Module.page.setSpan(window, row, left, width);
});
EM_JS(char *, quimbelo_page_text, (int window, int row), {
    const text = Module.page.text(window, row);
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, quimbelo_page_set_text, (int window, int row, const char *text), {
    Module.page.setText(window, row, UTF8ToString(text));
});
EM_JS(void, quimbelo_page_set_enabled, (int window, int row, int enabled), {
    Module.page.setEnabled(window, row, enabled != 0);
});
EM_JS(void, quimbelo_page_set_visible, (int window, int row, int visible), {
    Module.page.setVisible(window, row, visible != 0);
});
EM_JS(void, quimbelo_page_set_text_colour, (int window, int row, int rgb), {
    Module.page.setTextColour(window, row, rgb);
});
EM_JS(void, quimbelo_page_share_picture, (int source, int sourceRow, int target, int targetRow), {
    Module.page.sharePicture(source, sourceRow, target, targetRow);
});
EM_JS(int, quimbelo_page_prepare_picture, (int window), {
    return Module.page.preparePicture(window) ? 1 : 0;
});
EM_JS(void, quimbelo_page_set_font_size, (int window, int row, double points), {
    Module.page.setFontSize(window, row, points);
});
EM_JS(double, quimbelo_page_text_width, (int window, int row, const char *text, double points), {
    return Module.page.textWidth(window, row, UTF8ToString(text), points);
});
EM_JS(double, quimbelo_page_line_room, (int window, int row), {
    return Module.page.lineRoom(window, row);
});
EM_JS(void, quimbelo_page_set_accessible_name, (int window, int row, const char *text), {
    Module.page.setAccessibleName(window, row, UTF8ToString(text));
});
EM_JS(void, quimbelo_page_set_accessible_description, (int window, int row, const char *text), {
    Module.page.setAccessibleDescription(window, row, UTF8ToString(text));
});
EM_JS(int, quimbelo_page_has_focus, (int window, int row), {
    return Module.page.hasFocus(window, row) ? 1 : 0;
});
EM_JS(void, quimbelo_page_set_focus, (int window, int row), { Module.page.setFocus(window, row); });
EM_JS(void, quimbelo_page_start_timer, (int window, int row, int milliseconds), {
    Module.page.startTimer(window, row, milliseconds);
});
EM_JS(void, quimbelo_page_stop_timer, (int window, int row), { Module.page.stopTimer(window, row); });
EM_JS(void, quimbelo_page_announce, (const char *text), { Module.page.announce(UTF8ToString(text)); });
EM_ASYNC_JS(int, quimbelo_page_message_box, (const char *text, int style, const char *title,
                                               const char *ok, const char *yes, const char *no), {
    return await Module.page.messageBox(UTF8ToString(text), style, UTF8ToString(title),
                                        { ok: UTF8ToString(ok), yes: UTF8ToString(yes), no: UTF8ToString(no) });
});
EM_JS(void, quimbelo_page_show_modal, (int window), { Module.page.showModal(window); });
EM_JS(void, quimbelo_page_ended, (int failed), { Module.page.ended(failed != 0); });
EM_JS(void, quimbelo_page_show_text, (const char *title, const char *text), {
    Module.page.showText(UTF8ToString(title), UTF8ToString(text));
});
EM_JS(void, quimbelo_page_open_link, (const char *url), { Module.page.openLink(UTF8ToString(url)); });
EM_JS(int, quimbelo_page_lists_ready, (), { return Module.page.listsDone ? 1 : 0; });
EM_ASYNC_JS(void, quimbelo_page_wait_for_lists, (), { await Module.page.listsReady; });
// clang-format on

namespace quimbelo::web::page {

namespace {

int id(WindowId window)
{
    return static_cast<int>(window);
}

// A NUL-terminated copy, since a view need not end in one.
std::string terminated(std::string_view text)
{
    return std::string(text);
}

} // namespace

void build(WindowId window, const std::string &json)
{
    quimbelo_page_build(id(window), json.c_str());
}

void show(WindowId window)
{
    quimbelo_page_show(id(window));
}

void close(WindowId window)
{
    quimbelo_page_close(id(window));
}

void setTitle(WindowId window, std::string_view utf8)
{
    quimbelo_page_set_title(id(window), terminated(utf8).c_str());
}

void setCaption(WindowId window, int row, std::string_view utf8)
{
    quimbelo_page_set_caption(id(window), row, terminated(utf8).c_str());
}

void setSpan(WindowId window, int row, int left, int width)
{
    quimbelo_page_set_span(id(window), row, left, width);
}

std::string text(WindowId window, int row)
{
    char *copy = quimbelo_page_text(id(window), row);
    std::string text(copy);
    std::free(copy);
    return text;
}

void setText(WindowId window, int row, std::string_view utf8)
{
    quimbelo_page_set_text(id(window), row, terminated(utf8).c_str());
}

void setEnabled(WindowId window, int row, bool enabled)
{
    quimbelo_page_set_enabled(id(window), row, enabled ? 1 : 0);
}

void setVisible(WindowId window, int row, bool visible)
{
    quimbelo_page_set_visible(id(window), row, visible ? 1 : 0);
}

void setTextColour(WindowId window, int row, Rgb colour)
{
    quimbelo_page_set_text_colour(id(window), row, static_cast<int>(colour & 0xFFFFFF));
}

void sharePicture(WindowId source, int sourceRow, WindowId target, int targetRow)
{
    quimbelo_page_share_picture(id(source), sourceRow, id(target), targetRow);
}

bool preparePicture(WindowId window)
{
    return quimbelo_page_prepare_picture(id(window)) != 0;
}

void setFontSize(WindowId window, int row, double points)
{
    quimbelo_page_set_font_size(id(window), row, points);
}

double textWidth(WindowId window, int row, std::string_view utf8, double points)
{
    return quimbelo_page_text_width(id(window), row, terminated(utf8).c_str(), points);
}

double lineRoom(WindowId window, int row)
{
    return quimbelo_page_line_room(id(window), row);
}

void setAccessibleName(WindowId window, int row, std::string_view utf8)
{
    quimbelo_page_set_accessible_name(id(window), row, terminated(utf8).c_str());
}

void setAccessibleDescription(WindowId window, int row, std::string_view utf8)
{
    quimbelo_page_set_accessible_description(id(window), row, terminated(utf8).c_str());
}

bool hasFocus(WindowId window, int row)
{
    return quimbelo_page_has_focus(id(window), row) != 0;
}

void setFocus(WindowId window, int row)
{
    quimbelo_page_set_focus(id(window), row);
}

void startTimer(WindowId window, int row, int milliseconds)
{
    quimbelo_page_start_timer(id(window), row, milliseconds);
}

void stopTimer(WindowId window, int row)
{
    quimbelo_page_stop_timer(id(window), row);
}

void announce(std::string_view utf8)
{
    quimbelo_page_announce(terminated(utf8).c_str());
}

MessageAnswer messageBox(std::string_view text, MessageStyle style, std::string_view title)
{
    // The buttons are the design's, Spanish whatever the browser's language.
    return static_cast<MessageAnswer>(quimbelo_page_message_box(terminated(text).c_str(),
        static_cast<int>(style), terminated(title).c_str(), terminated(design::kOkButton).c_str(),
        terminated(design::kYesButton).c_str(), terminated(design::kNoButton).c_str()));
}

void showModal(WindowId window)
{
    quimbelo_page_show_modal(id(window));
}

void ended(bool failed)
{
    quimbelo_page_ended(failed ? 1 : 0);
}

void showText(std::string_view title, std::string_view utf8)
{
    quimbelo_page_show_text(terminated(title).c_str(), terminated(utf8).c_str());
}

void openLink(std::string_view url)
{
    quimbelo_page_open_link(terminated(url).c_str());
}

void waitForLists()
{
    // Waiting costs a turn of the page's event loop even for a promise already kept.
    if (quimbelo_page_lists_ready() == 0) {
        quimbelo_page_wait_for_lists();
    }
}

} // namespace quimbelo::web::page
