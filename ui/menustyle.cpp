#include "menustyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidget>

void TMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const bool menuItem = element == CE_MenuItem || element == CE_MenuBarItem;
    if (item == nullptr || !menuItem || item->menuItemType == QStyleOptionMenuItem::Separator) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // A bar item is selected only while its menu is open or the bar is used
    // from the keyboard; merely pointing at it highlights nothing.
    const bool barItem = element == CE_MenuBarItem;
    const bool barActive =
        (option->state & State_Sunken) || (widget != nullptr && widget->hasFocus());
    const bool selected = (option->state & State_Selected) && (!barItem || barActive);
    const QPalette& palette = option->palette;
    painter->fillRect(option->rect, selected ? palette.highlight() : palette.window());
    const QRect textRect = option->rect.adjusted(TextIndent, 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextHideMnemonic;
    painter->setPen(
        palette.color(option->state & State_Enabled ? QPalette::Active : QPalette::Disabled,
                      selected ? QPalette::HighlightedText : QPalette::WindowText));
    painter->drawText(textRect, flags, item->text.section(QLatin1Char('\t'), 0, 0));
}
