#pragma once

class QHBoxLayout;
class QWidget;

// A row with a "Close" button at its right that does what the window's close box does. Enter
// never presses it: dialogs that ignore Enter and Escape can still be left from the keyboard
// (Tab to it, Space) and under window managers without close boxes.
QHBoxLayout* closeButtonRow(QWidget* window);
