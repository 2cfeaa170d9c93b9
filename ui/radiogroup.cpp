#include "radiogroup.h"

#include <QButtonGroup>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <qdrawutil.h>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, int itemIndex,
                         QWidget* parent)
    : QGroupBox(caption, parent), Group(new QButtonGroup(this)) {
    for (const QString& text : items) {
        auto* button = new QRadioButton(text, this);
        Group->addButton(button, Count());
        Buttons.push_back(button);
    }
    SetItemIndex(itemIndex);
    connect(Group, &QButtonGroup::idToggled, this, &TRadioGroup::UpdateTabStop);
    UpdateTabStop();
}

int TRadioGroup::ItemIndex() const {
    return Group->checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    Item(index)->setChecked(true);
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    ArrangeItems();
}

// The caption sits in the frame's top edge, interrupting its line.
void TRadioGroup::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // An etched line, drawn here because some styles move a group box's
    // frame down below its title.
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true);

    const QRect caption(CaptionIndent, 0, metrics.horizontalAdvance(title()) + 2, metrics.height());
    painter.fillRect(caption, palette().button());
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextSingleLine, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

// One column of items spread evenly over the height below the caption, any
// pixels left over shared out above the first item and below the last.
void TRadioGroup::ArrangeItems() {
    const int captionHeight = fontMetrics().height();
    const int available = height() - captionHeight - 5;
    const int rowHeight = available / Count();
    const int top = captionHeight + 1 + (available % Count()) / 2;
    for (int i = 0; i < Count(); ++i) {
        Item(i)->setGeometry(CaptionIndent, top + i * rowHeight, width() - 10, rowHeight);
    }
}

// Tab stops at the selected item only; the arrow keys move between items.
void TRadioGroup::UpdateTabStop() {
    for (QRadioButton* button : Buttons) {
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}
