// The items of combo boxes and list boxes, shared by both classes and the drivers.
#pragma once
#include <string>

#include "ui/window.h"

namespace ui {

// Case-insensitive comparison of item texts (the controls' own rule).
int compareItemText(const std::wstring& a, const std::wstring& b);
// Index of the first item from start + 1 (wrapping; -1 means from the start) equal to text, or
// starting with it when exact is false; -1 when none.
int findItem(HWND control, int startAfter, const std::wstring& text, bool exact);
// Inserts at index (-1: at the end, or in order for a sorted control); the index used.
int insertItem(HWND control, int index, const std::wstring& text);
// Removes an item; the number left, or -1 when index is out of range.
int deleteItem(HWND control, int index);
// Removes every item (and an editable combo's text).
void clearItems(HWND control);
// Selects index (-1 clears); an editable combo shows the item in its edit. False when out of range.
bool selectItem(HWND control, int index);

}  // namespace ui
