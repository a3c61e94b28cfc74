// SPDX-License-Identifier: MIT
// The page's script as the program calls it: each function here hands one request to
// page.js, which builds and changes the elements that the windows are drawn with.
#pragma once

#include "formport.h"

#include <string>
#include <string_view>

namespace quimbelo::web::page {

// The windows of the page, by the numbers the page's events carry back.
enum class WindowId : int { Game = 0, Splash = 1, About = 2 };

// Builds a window, hidden, from its design as windowJson() writes it.
void build(WindowId window, const std::string &json);
void show(WindowId window);
// Takes a window off the page for good.
void close(WindowId window);

void setTitle(WindowId window, std::string_view utf8);
void setCaption(WindowId window, int row, std::string_view utf8);
// Moves a control along its row: its left edge and width, in pixels.
void setSpan(WindowId window, int row, int left, int width);
std::string text(WindowId window, int row);
void setText(WindowId window, int row, std::string_view utf8);
void setEnabled(WindowId window, int row, bool enabled);
void setVisible(WindowId window, int row, bool visible);
void setTextColour(WindowId window, int row, Rgb colour);
// The control at targetRow shows the very picture that the one at sourceRow shows.
void sharePicture(WindowId source, int sourceRow, WindowId target, int targetRow);
// Decodes the next picture that the window shows; false once none is left.
bool preparePicture(WindowId window);
void setFontSize(WindowId window, int row, double points);
// How wide a line is in the control's font at a size in points; at its present size for 0.
double textWidth(WindowId window, int row, std::string_view utf8, double points);
double lineRoom(WindowId window, int row);
void setAccessibleName(WindowId window, int row, std::string_view utf8);
void setAccessibleDescription(WindowId window, int row, std::string_view utf8);
bool hasFocus(WindowId window, int row);
void setFocus(WindowId window, int row);
void startTimer(WindowId window, int row, int milliseconds);
void stopTimer(WindowId window, int row);
// Says text through the page's polite live region.
void announce(std::string_view utf8);

// A modal dialog; the program waits for its answer while the page goes on running.
MessageAnswer messageBox(std::string_view text, MessageStyle style, std::string_view title);
// Shows the About window, modal, and returns at once: closing it is the page's doing.
void showModal(WindowId window);
// The game has ended: the page says so and offers to start again.
void ended(bool failed);

// The help text, shown in a panel of the page.
void showText(std::string_view title, std::string_view utf8);
// Hands a link (a "mailto:" one) to the browser.
void openLink(std::string_view url);
// Waits until the word lists lie in the program's folder.
void waitForLists();

} // namespace quimbelo::web::page
