// A framed group of radio buttons with exactly one selected item.
#pragma once

#include <vector>

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
public:
    TRadioGroup(const QString& caption, const QStringList& items, int itemIndex, QWidget* parent);

    // The selected item, from 0.
    int ItemIndex() const;
    void SetItemIndex(int index);

    QRadioButton* Item(int index) const { return Buttons.at(static_cast<std::size_t>(index)); }
    int Count() const { return static_cast<int>(Buttons.size()); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int CaptionIndent = 8;

    void ArrangeItems();
    void UpdateTabStop();

    QButtonGroup* Group;
    std::vector<QRadioButton*> Buttons;
};
