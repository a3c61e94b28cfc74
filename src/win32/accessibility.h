// SPDX-License-Identifier: MIT
// What a screen reader reads of a control beyond its text, and what it is told to say.
#pragma once

#include <windows.h>

#include <uiautomationcore.h>

#include <string>

namespace quimbelo::win32::accessibility {

// The control's description (MSAA's accDescription), changed as often as need be. The
// control then answers a screen reader with the system's own accessible object for it,
// told the description; everything else is the system's, its state (a tried key is
// unavailable) included.
void setDescription(HWND control, std::wstring description);

// Makes the control a window's announcements come from: a static text of no size in
// window, which nobody sees, no key reaches and no click finds. It goes with the window.
HWND makeAnnouncer(HWND window);

// Has a screen reader say text after what it is saying, leaving the focus where it is,
// once the window is back in its event loop. Where UI Automation has notifications
// (Windows 10 1709 and later), the announcer raises one for each text; elsewhere its
// accessible name becomes the texts announced meanwhile, one after another, and it says so
// with the live region and name change events, which screen readers speak on older
// systems.
void announce(HWND announcer, const std::wstring &text);

// UI Automation's notification event, as uiautomationcore.dll raises it; declared here
// since the headers at hand predate it.
enum NotificationKind : int {
    NotificationKind_ItemAdded = 0,
    NotificationKind_ItemRemoved = 1,
    NotificationKind_ActionCompleted = 2,
    NotificationKind_ActionAborted = 3,
    NotificationKind_Other = 4,
};
enum NotificationProcessing : int {
    NotificationProcessing_ImportantAll = 0,
    NotificationProcessing_ImportantMostRecent = 1,
    NotificationProcessing_All = 2,
    NotificationProcessing_MostRecent = 3,
    NotificationProcessing_CurrentThenMostRecent = 4,
};
using NotificationRaiser = HRESULT(WINAPI *)(IRawElementProviderSimple *provider,
    NotificationKind kind, NotificationProcessing processing, BSTR text, BSTR activity);

// The system's notification function, or null where it has none. It is looked up when
// first needed, so that the program starts on systems without it.
NotificationRaiser systemNotificationRaiser();
// Announcements go through raiser from now on, or through the live region when it is
// null; returns the one used before. The system's is used until this is called.
NotificationRaiser useNotificationRaiser(NotificationRaiser raiser);

} // namespace quimbelo::win32::accessibility
