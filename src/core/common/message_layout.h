#pragma once
// Geometry of the message window, computed from the average character size of its font and the
// size the text needs: margins and spacings in character units, the icon left of the text, and
// the buttons centred in one row below.

#include "core/common/form_scaling.h"

#include <array>
#include <cstdint>

inline constexpr int MessageButtonCount = 13;
inline constexpr int MessageIconSize = 32;
inline constexpr int NoButton = -1;

// The thirteen buttons in index order: caption and result code. "&Help" (result 0) opens help and
// does not close the window.
struct MessageButtonDef {
    const char* Caption;
    int Result;
};
extern const std::array<MessageButtonDef, MessageButtonCount> MessageButtonDefs;
inline constexpr int HelpButtonIndex = 12;

// Caption of the kinds 0..3; kind 4 (and anything above) shows the application's title.
const char* MessageKindCaption(uint8_t kind);
bool MessageKindHasIcon(uint8_t kind);

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

struct MessageLayout {
    int HorzMargin = 0;
    int VertMargin = 0;
    int HorzSpacing = 0;
    int VertSpacing = 0;
    int ButtonWidth = 0;
    int ButtonHeight = 0;
    int ButtonSpacing = 0;
    int ClientWidth = 0;
    int ClientHeight = 0;
    bool HasIcon = false;
    ControlBounds Icon;
    ControlBounds Text;
    std::array<ControlBounds, MessageButtonCount> Buttons{}; // valid for buttons in the set
    int DefaultButton = NoButton; // index of the default button when it is in the set
    int CancelButton = NoButton;  // index of the button Esc presses when it is in the set
};

// The index rules for the default and the cancel button, whether or not that button is shown.
int DefaultButtonIndex(uint16_t buttons);
int CancelButtonIndex(uint16_t buttons);

MessageLayout ComputeMessageLayout(int charWidth, int charHeight, int textWidth, int textHeight,
                                   uint8_t kind, uint16_t buttons);
