#include "core/common/message_layout.h"

#include <bit>

const std::array<MessageButtonDef, MessageButtonCount> MessageButtonDefs = {{
    {"&Bij", 6},
    {"&Af", 7},
    {"&Ja", 6},
    {"&Nee", 7},
    {"OK", 1},
    {"Schrap", 2},
    {"&Afbreken", 3},
    {"&Opnieuw", 4},
    {"&Negeer", 5},
    {"&Alle", 12},
    {"N&ee voor Alle", 13},
    {"J&a voor Alle", 14},
    {"&Help", 0},
}};

const char* MessageKindCaption(uint8_t kind) {
    switch (kind) {
    case 0:
        return "Waarschuwing";
    case 1:
        return "Fout";
    case 2:
        return "Informatie";
    case 3:
        return "Bevestig";
    default:
        return nullptr;
    }
}

bool MessageKindHasIcon(uint8_t kind) {
    return kind <= 3;
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    long long product = static_cast<long long>(a) * b;
    long long half = (c < 0 ? -c : c) / 2;
    bool negative = (product < 0) != (c < 0);
    long long magnitude = (product < 0 ? -product : product) + half;
    long long quotient = magnitude / (c < 0 ? -c : c);
    return static_cast<int>(negative ? -quotient : quotient);
}

namespace {

constexpr int BtnIndexAf = 1;
constexpr int BtnIndexJa = 2;
constexpr int BtnIndexNee = 3;
constexpr int BtnIndexOK = 4;
constexpr int BtnIndexSchrap = 5;
constexpr int BtnIndexOpnieuw = 7;

bool Has(uint16_t buttons, int index) {
    return (buttons >> index) & 1u;
}

} // namespace

int DefaultButtonIndex(uint16_t buttons) {
    if (Has(buttons, BtnIndexOK)) return BtnIndexOK;
    if (Has(buttons, BtnIndexJa)) return BtnIndexJa;
    if (Has(buttons, BtnIndexAf)) return BtnIndexAf;
    return BtnIndexOpnieuw;
}

int CancelButtonIndex(uint16_t buttons) {
    if (Has(buttons, BtnIndexSchrap)) return BtnIndexSchrap;
    if (Has(buttons, BtnIndexNee)) return BtnIndexNee;
    return BtnIndexOK;
}

MessageLayout ComputeMessageLayout(int charWidth, int charHeight, int textWidth, int textHeight,
                                   uint8_t kind, uint16_t buttons) {
    buttons &= (1u << MessageButtonCount) - 1;
    MessageLayout l;
    l.HorzMargin = MulDiv(8, charWidth, 4);
    l.VertMargin = MulDiv(8, charHeight, 8);
    l.HorzSpacing = MulDiv(10, charWidth, 4);
    l.VertSpacing = MulDiv(10, charHeight, 8);
    l.ButtonWidth = MulDiv(50, charWidth, 4);
    l.ButtonHeight = MulDiv(14, charHeight, 8);
    l.ButtonSpacing = MulDiv(4, charWidth, 4);

    l.HasIcon = MessageKindHasIcon(kind);
    int blockWidth = textWidth;
    int blockHeight = textHeight;
    if (l.HasIcon) {
        blockWidth += l.HorzSpacing + MessageIconSize;
        if (blockHeight < MessageIconSize) blockHeight = MessageIconSize;
    }
    int count = std::popcount(buttons);
    int groupWidth = count == 0 ? 0 : count * l.ButtonWidth + (count - 1) * l.ButtonSpacing;
    l.ClientWidth = (blockWidth > groupWidth ? blockWidth : groupWidth) + 2 * l.HorzMargin;
    l.ClientHeight = blockHeight + l.ButtonHeight + l.VertSpacing + 2 * l.VertMargin;

    if (l.HasIcon) l.Icon = {l.HorzMargin, l.VertMargin, MessageIconSize, MessageIconSize};
    l.Text = {blockWidth - textWidth + l.HorzMargin, l.VertMargin, textWidth, textHeight};

    int x = (l.ClientWidth - groupWidth) / 2;
    int y = blockHeight + l.VertMargin + l.VertSpacing;
    for (int i = 0; i < MessageButtonCount; ++i) {
        if (!Has(buttons, i)) continue;
        l.Buttons[i] = {x, y, l.ButtonWidth, l.ButtonHeight};
        x += l.ButtonWidth + l.ButtonSpacing;
    }
    int def = DefaultButtonIndex(buttons);
    int cancel = CancelButtonIndex(buttons);
    l.DefaultButton = Has(buttons, def) ? def : NoButton;
    l.CancelButton = Has(buttons, cancel) ? cancel : NoButton;
    return l;
}
