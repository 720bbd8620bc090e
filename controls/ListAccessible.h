#pragma once
// What a screen reader reads of a list the program draws itself: one child
// per entry, named by the entry's text as shown, with the list item role
// and its selection and focus. Everything about the list as a whole comes
// from the system's standard object for the window.
#include <windows.h>

#include <string>

#include "controls/ItemDrawing.h"

// The entries as the control holds them.
class AccessibleEntries {
public:
    virtual int EntryCount() const = 0;
    virtual const std::string& EntryText(int index) const = 0;
    virtual ItemState EntryState(int index) const = 0;

protected:
    ~AccessibleEntries() = default;
};

class ListAccessible;

// The control's accessible object, made on the first request. A client may
// hold it after the control is gone: it is then told the list is no longer
// there.
class ListAccessibility {
public:
    explicit ListAccessibility(const AccessibleEntries& entries) : entries_(entries) {}
    ~ListAccessibility();
    ListAccessibility(const ListAccessibility&) = delete;
    ListAccessibility& operator=(const ListAccessibility&) = delete;

    // The answer to WM_GETOBJECT for the client area (OBJID_CLIENT), or 0.
    LRESULT Answer(HWND window, WPARAM wParam);

private:
    const AccessibleEntries& entries_;
    ListAccessible* object_ = nullptr;
};

// True when a WM_GETOBJECT asks for the client area's object.
bool AsksForClientObject(LPARAM objectId);
