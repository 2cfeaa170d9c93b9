// The estimate window: three number fields, nine questions, a picture, the
// calculate button, the result, and the information menu.
#pragma once

#include "dose.h"

#include <array>
#include <stdexcept>

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QPushButton;
class TRadioGroup;

// A field text that is not a whole number; the application shows it in the
// error report.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TZavir2 : public QMainWindow {
public:
    // The window's place and outer size, frame included, when it opens.
    static constexpr QRect DesignedFrame{207, 30, 578, 461};
    // The extent of the controls: below it the client area scrolls.
    static constexpr QSize ClientExtent{561, 413};

    explicit TZavir2(QWidget* parent = nullptr);

    // "РАСЧЕТ": reads the fields and answers, runs the estimate and carries
    // out its notices, corrections and result in order. A field that is not a
    // whole number ends it with EConvertError, earlier corrections kept.
    void Button1Click();

    // The information menu.
    void texct1Click();
    void N2Click();
    void N3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls(QWidget* client);
    void CreateMenu();
    QLineEdit* Field(zavir2::TDoseField field) const;

    std::array<QLineEdit*, 3> Fields{};
    std::array<TRadioGroup*, zavir2::ChoiceCount> Groups{};
    QLabel* Label3 = nullptr;
    bool Placed = false;
};
