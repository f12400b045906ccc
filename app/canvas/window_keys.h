#pragma once
// The keyboard rules every window of the program follows, whatever its
// toolkit would do by itself.
//
// Enter presses a button only when that button has the focus: no button is
// ever a default button, so Enter in a list or a box that does not use it
// does nothing (a stray Enter must not send a ticket to the printer).
//
// An access key that a menu-bar entry and a control of the same window both
// claim belongs to the menu entry, the one the user reads in the menu bar;
// the control loses its access key and stays reachable with Tab and Space.
// Two claims on one key would otherwise run neither.
class QKeyEvent;
class QMenuBar;
class QWidget;

// Makes no button of `window` a default button, not even when it has the focus.
void dropDefaultButtons(QWidget& window);

// Gives the access keys of `menuBar` to its entries alone: a button or label
// of `window` claiming one of them shows its caption without the access key.
void settleAccessKeyClashes(QWidget& window, const QMenuBar* menuBar);

// Enter or Return (from the keypad too) without other modifiers.
bool isEnterKey(const QKeyEvent& event);

// What Enter does in `window`: presses the focused button, if a button of the
// window has the focus, and answers true; anything else does nothing here.
bool pressFocusedButton(QWidget& window);
