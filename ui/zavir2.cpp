#include "zavir2.h"

#include "application.h"
#include "dialogs.h"
#include "menustyle.h"
#include "radiogroup.h"

#include <algorithm>
#include <limits>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QWindow>

using zavir2::TChoice;
using zavir2::TDoseField;

namespace {

enum class TKind { Field, Group, Button, Label, Picture };

enum class TFontKind {
    Control, // designed as "Arial Unicode MS", 8 points
    Window,  // the window's own font, designed as "MS Sans Serif", 8 points
    Heading, // designed as "Arial Unicode MS", 12 points
    HeadingBold,
};

// One control of the window, as designed at 96 pixels per inch. A label's
// size is that of its text.
struct TControl {
    const char* Name;
    TKind Kind;
    int Tab; // place in the tab order; -1 for controls the keyboard skips
    QRect Geometry;
    TFontKind Font = TFontKind::Control;
    const char* Text = ""; // labels and the button; what the picture shows
    TDoseField Field{};    // number fields
    TChoice Choice{};      // choice groups
    int MaxLength = std::numeric_limits<int>::max(); // number fields: no limit unless set
    bool BlackText = false;                          // labels
    const char* Buddy = nullptr;                     // the field a label names, for screen readers
};

using enum TFontKind;

// clang-format off
const TControl Controls[] = {
    {.Name = "Edit1",        .Kind = TKind::Field,   .Tab = 0,  .Geometry = {110, 16, 33, 23},   .Field = TDoseField::Strength, .MaxLength = 3},
    {.Name = "Edit2",        .Kind = TKind::Field,   .Tab = 1,  .Geometry = {7, 206, 121, 23},   .Field = TDoseField::Weight},
    {.Name = "RadioGroup1",  .Kind = TKind::Group,   .Tab = 2,  .Geometry = {156, 215, 189, 57}, .Choice = TChoice::Smoking},
    {.Name = "RadioGroup2",  .Kind = TKind::Group,   .Tab = 3,  .Geometry = {155, 8, 190, 57},   .Choice = TChoice::Effect},
    {.Name = "RadioGroup3",  .Kind = TKind::Group,   .Tab = 4,  .Geometry = {7, 48, 137, 49},    .Choice = TChoice::Beer},
    {.Name = "RadioGroup4",  .Kind = TKind::Group,   .Tab = 5,  .Geometry = {155, 64, 190, 73},  .Choice = TChoice::Snacks},
    {.Name = "RadioGroup5",  .Kind = TKind::Group,   .Tab = 6,  .Geometry = {7, 96, 137, 49},    .Choice = TChoice::Sex},
    {.Name = "RadioGroup6",  .Kind = TKind::Group,   .Tab = 7,  .Geometry = {156, 136, 189, 73}, .Choice = TChoice::Level},
    {.Name = "Edit3",        .Kind = TKind::Field,   .Tab = 8,  .Geometry = {7, 168, 121, 21},   .Font = Window, .Field = TDoseField::Age},
    {.Name = "RadioGroup7",  .Kind = TKind::Group,   .Tab = 9,  .Geometry = {6, 237, 137, 57},   .Choice = TChoice::Hangovers},
    {.Name = "RadioGroup8",  .Kind = TKind::Group,   .Tab = 10, .Geometry = {352, 216, 185, 57}, .Font = Window, .Choice = TChoice::Place},
    {.Name = "Button1",      .Kind = TKind::Button,  .Tab = 11, .Geometry = {352, 312, 129, 25}, .Text = "РАСЧЕТ"},
    {.Name = "RadioGroup9",  .Kind = TKind::Group,   .Tab = 12, .Geometry = {157, 280, 188, 57}, .Font = Window, .Choice = TChoice::Time},
    {.Name = "Label1",       .Kind = TKind::Label,   .Tab = -1, .Geometry = {7, 16, 90, 15},     .Text = "Крепость напитка", .BlackText = true, .Buddy = "Edit1"},
    {.Name = "Label7",       .Kind = TKind::Label,   .Tab = -1, .Geometry = {7, 152, 65, 15},    .Text = "Ваш возраст", .Buddy = "Edit3"},
    {.Name = "Label6",       .Kind = TKind::Label,   .Tab = -1, .Geometry = {8, 191, 44, 15},    .Text = "Ваш Вес", .Buddy = "Edit2"},
    {.Name = "Label2",       .Kind = TKind::Label,   .Tab = -1, .Geometry = {0, 328, 143, 21},   .Font = Heading, .Text = "Вы можете выпить:"},
    {.Name = "Label3",       .Kind = TKind::Label,   .Tab = -1, .Geometry = {0, 357, 182, 21},   .Font = HeadingBold, .Text = "ПОКА НЕ ИЗВЕСТНО"},
    {.Name = "VersionLabel", .Kind = TKind::Label,   .Tab = -1, .Geometry = {9, 400, 81, 13},    .Font = Window, .Text = "Версия 1.3 alfa  "},
    {.Name = "Image2",       .Kind = TKind::Picture, .Tab = -1, .Geometry = {352, 16, 209, 193}, .Text = "Бутылка и стакан"},
};
// clang-format on

// The window was designed with "Arial Unicode MS" for its controls and "MS
// Sans Serif" as the window's own font, neither of which Linux has. Liberation
// Sans stands in for both: it has Cyrillic letters and Arial's metrics. It is
// asked for by name, because a substitution would first send the font
// database looking for the missing faces, which costs a noticeable part of
// the start-up.
QFont MakeFont(TFontKind kind) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(kind == Heading || kind == HeadingBold ? 16 : 11);
    font.setBold(kind == HeadingBold);
    return font;
}

// The photograph at its natural size of 213 x 198; on a high-density screen
// the render made at twice that size, so that it stays sharp.
QPixmap Picture(qreal devicePixelRatio) {
    if (devicePixelRatio < 1.5) {
        return QPixmap(QStringLiteral(":/picture/bottle.jpg"), "JPEG");
    }
    QPixmap sharp(QStringLiteral(":/picture/bottle@2x.jpg"), "JPEG");
    sharp.setDevicePixelRatio(2);
    return sharp;
}

QWidget* MakeControl(const TControl& row, QWidget* client) {
    const QString text = QString::fromUtf8(row.Text);
    switch (row.Kind) {
    case TKind::Field: {
        auto* edit = new QLineEdit(client);
        edit->setMaxLength(row.MaxLength);
        return edit;
    }
    case TKind::Group: {
        const zavir2::TChoiceGroup& group = zavir2::ChoiceGroup(row.Choice);
        QStringList items;
        for (const zavir2::TChoiceItem& item : group.Items) {
            items << QString::fromUtf8(item.Caption.data(), std::ssize(item.Caption));
        }
        return new TRadioGroup(QString::fromUtf8(group.Caption.data(), std::ssize(group.Caption)),
                               items, group.Default, client);
    }
    case TKind::Button: {
        auto* button = new QPushButton(text, client);
        // Enter presses the button when it has the focus; it is no default
        // button, so Enter in a field does nothing.
        button->setAutoDefault(true);
        return button;
    }
    case TKind::Label: {
        auto* label = new QLabel(text, client);
        if (row.BlackText) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(palette);
        }
        return label;
    }
    case TKind::Picture: {
        auto* picture = new QLabel(client);
        picture->setPixmap(Picture(qApp->devicePixelRatio()));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setAccessibleName(text);
        return picture;
    }
    }
    return nullptr;
}

// The credits and the acknowledgements name nobody real.
const char* const VersionText =
    "Автор: Вася Пупкин, Программинг: Петя Огурцов и Коля Рассольников Новые версии прграммы "
    "можно обнаружить на http://zavir2.example.org";
const char* const ThanksText =
    "Особые благодарности: Маша Закусочкина и Федя Стаканов Также компании \"Рога и копыта\" "
    "http://roga-i-kopyta.example.com ";
const char* const WarningText =
    "Господа ! Помните - в учебнике по судебной медицине написано, что 400гр единоразового "
    "приема водки ведет к смертельному исходу ";

} // namespace

TZavir2::TZavir2(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Zavir2"));
    setWindowTitle(QStringLiteral("Zavir2"));
    setFont(MakeFont(Window));

    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("ClientScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("Client"));
    client->setMinimumSize(ClientExtent);
    client->setBackgroundRole(QPalette::Button);
    client->setAutoFillBackground(true);
    CreateControls(client);
    scroller->setWidget(client);
    setCentralWidget(scroller);
    CreateMenu();

    move(DesignedFrame.topLeft());
    resize(DesignedFrame.size());

    QLineEdit* first = Field(TDoseField::Strength);
    first->setFocus();
    first->selectAll();
}

void TZavir2::CreateControls(QWidget* client) {
    const zavir2::TDoseInput initial;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const TControl& row : Controls) {
        QWidget* control = MakeControl(row, client);
        control->setObjectName(QString::fromUtf8(row.Name));
        control->setFont(MakeFont(row.Font));
        control->setGeometry(row.Geometry);
        if (row.Kind == TKind::Label) {
            control->adjustSize();
        }
        if (row.Kind == TKind::Field) {
            auto* edit = static_cast<QLineEdit*>(control);
            edit->setText(QString::fromStdString(initial.Text(row.Field)));
            Fields[static_cast<std::size_t>(row.Field)] = edit;
        }
        if (row.Kind == TKind::Group) {
            Groups[static_cast<std::size_t>(row.Choice)] = static_cast<TRadioGroup*>(control);
        }
        if (row.Kind == TKind::Button) {
            ConnectHandler(static_cast<QPushButton*>(control), &QPushButton::clicked, this,
                           &TZavir2::Button1Click);
        }
        if (row.Tab >= 0) {
            tabOrder.emplace_back(row.Tab, control);
        }
    }
    for (const TControl& row : Controls) {
        if (row.Buddy != nullptr) {
            client->findChild<QLabel*>(QString::fromUtf8(row.Name))
                ->setBuddy(client->findChild<QWidget*>(QString::fromUtf8(row.Buddy)));
        }
    }
    Label3 = client->findChild<QLabel*>(QStringLiteral("Label3"));

    std::ranges::sort(tabOrder);
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }
}

void TZavir2::CreateMenu() {
    struct TMenuRow {
        const char* Name;
        const char* Caption;
        void (TZavir2::*Handler)();
    };
    const TMenuRow items[] = {
        {"texct1", "Версия", &TZavir2::texct1Click},
        {"N2", "Благодарности", &TZavir2::N2Click},
        {"N3", "ВАЖНО !!!", &TZavir2::N3Click},
    };

    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto* style = new TMenuStyle;
    style->setParent(this);
    bar->setStyle(style);
    QMenu* menu = bar->addMenu(QStringLiteral("О программе"));
    menu->setObjectName(QStringLiteral("N1"));
    menu->setStyle(style);
    for (const TMenuRow& row : items) {
        QAction* action = menu->addAction(QString::fromUtf8(row.Caption));
        action->setObjectName(QString::fromUtf8(row.Name));
        // Queued: the handler waits in a modal notice, and whoever chose the
        // item (the menu, or a screen reader asking over D-Bus) should not
        // wait with it.
        ConnectHandler(action, &QAction::triggered, this, row.Handler, Qt::QueuedConnection);
    }
    // The menu has no mnemonics; F10 opens it from the keyboard, as on other
    // desktops.
    auto* openMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openMenu, &QShortcut::activated, menu,
            [bar, menu] { bar->setActiveAction(menu->menuAction()); });
}

QLineEdit* TZavir2::Field(TDoseField field) const {
    return Fields[static_cast<std::size_t>(field)];
}

void TZavir2::Button1Click() {
    zavir2::TDoseInput input;
    for (TDoseField field : {TDoseField::Strength, TDoseField::Age, TDoseField::Weight}) {
        input.Text(field) = Field(field)->text().toStdString();
    }
    for (std::size_t i = 0; i < zavir2::ChoiceCount; ++i) {
        input.Choices[i] = Groups[i]->ItemIndex();
    }

    const zavir2::TDoseOutcome outcome = zavir2::CalculateDose(input);
    for (const zavir2::TDoseEvent& event : outcome.Events) {
        const QString text = QString::fromStdString(event.Text);
        if (event.Kind == zavir2::TDoseEvent::TKind::Notice) {
            ShowMessage(text);
        } else {
            Field(event.Field)->setText(text);
        }
    }
    if (const zavir2::TDoseFailure* failure = outcome.Failure()) {
        throw EConvertError(failure->Message);
    }
    Label3->setText(QString::fromStdString(outcome.Result()->Sentence));
    Label3->adjustSize();
}

void TZavir2::texct1Click() {
    ShowMessage(QString::fromUtf8(VersionText));
}

void TZavir2::N2Click() {
    ShowMessage(QString::fromUtf8(ThanksText));
}

void TZavir2::N3Click() {
    ShowMessage(QString::fromUtf8(WarningText));
}

// The designed size is the outer one: once the frame is known, the client
// gives up the frame's share.
void TZavir2::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (Placed) {
        return;
    }
    Placed = true;
    const QMargins frame = windowHandle()->frameMargins();
    if (!frame.isNull()) {
        resize(DesignedFrame.size().shrunkBy(frame));
    }
}
