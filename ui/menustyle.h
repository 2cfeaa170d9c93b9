// The menu's own look: plain text items, with no image, check-mark or
// shortcut column.
#pragma once

#include <QProxyStyle>

class TMenuStyle : public QProxyStyle {
public:
    // Text starts this far from the item's left edge.
    static constexpr int TextIndent = 6;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
