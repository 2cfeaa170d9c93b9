// The estimate window, its dialogs and the application shell, driven in
// process with mouse and key events on the offscreen platform.
#include "application.h"
#include "dialog_guard.h"
#include "dialogs.h"
#include "menustyle.h"
#include "radiogroup.h"
#include "zavir2.h"

#include <limits>
#include <memory>

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionMenuItem>
#include <QTest>

using TClose = TDialogGuard::TClose;

namespace {

const QString Initial = QStringLiteral("ПОКА НЕ ИЗВЕСТНО");
const QString Warning = QStringLiteral("Господа ! Помните - в учебнике по судебной медицине "
                                       "написано, что 400гр единоразового приема водки ведет к "
                                       "смертельному исходу ");

} // namespace

class TWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TZavir2> Window;
    TDialogGuard Guard;

    template <class T> T* Find(const char* name) const {
        T* widget = Window->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control named %s", name);
        }
        return widget;
    }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    QString Text(const char* name) const { return Edit(name)->text(); }
    QString Result() const { return Find<QLabel>("Label3")->text(); }
    void Calculate() { QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton); }
    void SetText(const char* name, const QString& text) { Edit(name)->setText(text); }
    void Activate() {
        Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window.get()));
    }

private Q_SLOTS:
    void init() {
        Guard.Reset();
        Window = std::make_unique<TZavir2>();
        Window->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window.get()));
    }

    void cleanup() {
        Window.reset();
        QCOMPARE(Guard.Unexpected(), 0);
        QCOMPARE(Guard.Stuck(), 0);
        QCOMPARE(Guard.StillExpected(), 0);
    }

    // --- the window as it opens -------------------------------------------

    void opensWithItsDesignedValues() {
        QCOMPARE(Window->objectName(), QStringLiteral("Zavir2"));
        QCOMPARE(Window->windowTitle(), QStringLiteral("Zavir2"));
        QCOMPARE(Window->frameGeometry(), TZavir2::DesignedFrame);
        QCOMPARE(Text("Edit1"), QStringLiteral("40"));
        QCOMPARE(Text("Edit3"), QStringLiteral("20"));
        QCOMPARE(Text("Edit2"), QStringLiteral("70"));
        QCOMPARE(Result(), Initial);
        const int defaults[] = {2, 0, 0, 1, 0, 1, 0, 0, 0}; // RadioGroup1 .. RadioGroup9
        for (int i = 0; i < 9; ++i) {
            const QByteArray name = "RadioGroup" + QByteArray::number(i + 1);
            QCOMPARE(Find<TRadioGroup>(name.constData())->ItemIndex(), defaults[i]);
        }
        QVERIFY(!QApplication::windowIcon().isNull());
    }

    void layoutIsTheDesigned_data() {
        QTest::addColumn<QRect>("geometry"); // empty size: sized to its text
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("text"); // a field's text or a group's caption

        const QString face = QStringLiteral("Liberation Sans");
        auto row = [&](const char* name, QRect geometry, int size, bool bold, const char* text) {
            QTest::newRow(name) << geometry << face << size << bold << QString::fromUtf8(text);
        };
        row("Edit1", {110, 16, 33, 23}, 11, false, "40");
        row("Edit2", {7, 206, 121, 23}, 11, false, "70");
        row("RadioGroup1", {156, 215, 189, 57}, 11, false, "Курю ли я");
        row("RadioGroup2", {155, 8, 190, 57}, 11, false, "Результат");
        row("RadioGroup3", {7, 48, 137, 49}, 11, false, "Пивом запивать будем ?");
        row("RadioGroup4", {155, 64, 190, 73}, 11, false, "Закуска");
        row("RadioGroup5", {7, 96, 137, 49}, 11, false, "Ваш пол");
        row("RadioGroup6", {156, 136, 189, 73}, 11, false, "Ваш уровень");
        row("Edit3", {7, 168, 121, 21}, 11, false, "20");
        row("RadioGroup7", {6, 237, 137, 57}, 11, false, "Похмелье");
        row("RadioGroup8", {352, 216, 185, 57}, 11, false, "Где будем пить");
        row("Button1", {352, 312, 129, 25}, 11, false, "РАСЧЕТ");
        row("RadioGroup9", {157, 280, 188, 57}, 11, false, "За какое время");
        row("Label1", {7, 16, 0, 0}, 11, false, "Крепость напитка");
        row("Label7", {7, 152, 0, 0}, 11, false, "Ваш возраст");
        row("Label6", {8, 191, 0, 0}, 11, false, "Ваш Вес");
        row("Label2", {0, 328, 0, 0}, 16, false, "Вы можете выпить:");
        row("Label3", {0, 357, 0, 0}, 16, true, "ПОКА НЕ ИЗВЕСТНО");
        row("VersionLabel", {9, 400, 0, 0}, 11, false, "Версия 1.3 alfa  ");
        row("Image2", {352, 16, 209, 193}, 11, false, "");
    }

    void layoutIsTheDesigned() {
        QFETCH(QRect, geometry);
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(QString, text);
        auto* control = Find<QWidget>(QTest::currentDataTag());
        QCOMPARE(control->pos(), geometry.topLeft());
        if (geometry.size().isEmpty()) {
            QCOMPARE(control->size(), control->sizeHint());
        } else {
            QCOMPARE(control->size(), geometry.size());
        }
        const QFontInfo font(control->font());
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pixelSize(), pixelSize);
        QCOMPARE(font.bold(), bold);
        QString shown;
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            shown = edit->text();
        } else if (auto* group = dynamic_cast<TRadioGroup*>(control)) {
            shown = group->title();
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            shown = button->text();
        } else if (auto* label = qobject_cast<QLabel*>(control);
                   label && label->pixmap().isNull()) {
            shown = label->text();
        }
        QCOMPARE(shown, text);
    }

    void choiceGroupsListTheirItemsInOneEvenColumn() {
        auto* group = Find<TRadioGroup>("RadioGroup4");
        const QStringList items{"Без закуски", "Запивать", "Холодная", "Горячая"};
        QCOMPARE(group->Count(), items.size());
        int previousTop = -1;
        int step = -1;
        for (int i = 0; i < group->Count(); ++i) {
            const QRect item = group->Item(i)->geometry();
            QCOMPARE(group->Item(i)->text(), items[i]);
            QCOMPARE(item.left(), group->Item(0)->geometry().left());
            QVERIFY(item.top() > group->fontMetrics().height() / 2);
            QVERIFY(item.bottom() < group->height());
            if (previousTop >= 0) {
                QVERIFY(step < 0 || item.top() - previousTop == step);
                step = item.top() - previousTop;
            }
            previousTop = item.top();
        }
        QVERIFY(step > 0);
    }

    void pictureIsDrawnAtNaturalSizeFromTheTopLeft() {
        auto* image = Find<QLabel>("Image2");
        const QPixmap picture = image->pixmap();
        // 4 columns and 5 rows fall outside
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(213, 198));
        QVERIFY(!image->hasScaledContents());
        QCOMPARE(image->alignment(), Qt::AlignLeft | Qt::AlignTop);

        QFile file(QStringLiteral(":/picture/bottle.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray jpeg = file.readAll();
        QVERIFY(jpeg.startsWith("\xFF\xD8"));
        QVERIFY(jpeg.contains("\xFF\xC0"));  // baseline frame
        QVERIFY(!jpeg.contains("\xFF\xC2")); // no progressive frame
    }

    // --- keyboard and focus -----------------------------------------------

    void focusStartsInStrengthWithItsTextSelected() {
        Activate();
        QCOMPARE(QApplication::focusWidget(), Edit("Edit1"));
        QCOMPARE(Edit("Edit1")->selectedText(), QStringLiteral("40"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        QCOMPARE(Text("Edit1"), QStringLiteral("7"));
    }

    void strengthTakesAtMostThreeCharacters() {
        Activate();
        QTest::keyClicks(Edit("Edit1"), QStringLiteral("12345"));
        QCOMPARE(Text("Edit1"), QStringLiteral("123"));
        QCOMPARE(Edit("Edit2")->maxLength(), std::numeric_limits<int>::max());
    }

    void enterInAFieldDoesNotCalculate() {
        Activate();
        for (const char* name : {"Edit1", "Edit2", "Edit3"}) {
            Edit(name)->setFocus();
            QTest::keyClick(Edit(name), Qt::Key_Return);
            QTest::keyClick(Edit(name), Qt::Key_Enter);
        }
        QTest::qWait(50);
        QCOMPARE(Result(), Initial);
    }

    void tabVisitsTheControlsInDesignedOrder() {
        Activate();
        const QStringList order{"Edit1",       "Edit2",       "RadioGroup1", "RadioGroup2",
                                "RadioGroup3", "RadioGroup4", "RadioGroup5", "RadioGroup6",
                                "Edit3",       "RadioGroup7", "RadioGroup8", "Button1",
                                "RadioGroup9", "Edit1"};
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // In a choice group the keyboard lands on its selected item.
            if (auto* item = qobject_cast<QRadioButton*>(focus)) {
                QVERIFY(item->isChecked());
                focus = item->parentWidget();
            }
            visited << focus->objectName();
        }
        QCOMPARE(visited, order);
    }

    void keyboardEntrySelectsAllButAClickPlacesTheCaret() {
        Activate();
        QTest::keyClick(Edit("Edit1"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Edit("Edit2"));
        QCOMPARE(Edit("Edit2")->selectedText(), QStringLiteral("70"));

        QTest::mouseClick(Edit("Edit3"), Qt::LeftButton, {}, QPoint(40, 10));
        QCOMPARE(QApplication::focusWidget(), Edit("Edit3"));
        QVERIFY(!Edit("Edit3")->hasSelectedText());
    }

    void arrowKeysMoveWithinAChoiceGroup() {
        Activate();
        auto* group = Find<TRadioGroup>("RadioGroup2");
        group->Item(0)->setFocus();
        QTest::keyClick(group->Item(0), Qt::Key_Down);
        QCOMPARE(group->ItemIndex(), 1);
        QTest::keyClick(group->Item(1), Qt::Key_Down);
        QCOMPARE(group->ItemIndex(), 2);
        QTest::keyClick(group->Item(2), Qt::Key_Up);
        QCOMPARE(group->ItemIndex(), 1);
    }

    // --- resizing -----------------------------------------------------------

    void clientScrollsWhenSmallerThanTheControls_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<bool>("vertical");
        QTest::newRow("designed") << QSize(578, 440) << false << false;
        QTest::newRow("exactly the extent") << QSize(561, 413) << false << false;
        QTest::newRow("narrower") << QSize(560, 600) << true << false;
        QTest::newRow("lower") << QSize(700, 412) << false << true;
        QTest::newRow("small") << QSize(300, 200) << true << true;
        QTest::newRow("large") << QSize(1200, 900) << false << false;
    }

    void clientScrollsWhenSmallerThanTheControls() {
        QFETCH(QSize, client);
        QFETCH(bool, horizontal);
        QFETCH(bool, vertical);
        auto* scroller = Find<QScrollArea>("ClientScroller");
        auto* edit = Edit("Edit2");
        const QPoint before = edit->mapTo(Window.get(), QPoint());
        Window->resize(client.width(), client.height() + Window->menuBar()->height());
        QTRY_COMPARE(scroller->size(), client);
        QTRY_COMPARE(scroller->horizontalScrollBar()->isVisible(), horizontal);
        QTRY_COMPARE(scroller->verticalScrollBar()->isVisible(), vertical);
        QCOMPARE(edit->pos(), QPoint(7, 206));
        QCOMPARE(edit->mapTo(Window.get(), QPoint()), before);
    }

    // --- the calculation ------------------------------------------------------

    void calculatesTheInitialValues() {
        const int widthBefore = Find<QLabel>("Label3")->width();
        Calculate();
        QCOMPARE(Result(), QStringLiteral("221 граммов при крепкости напитка 40°"));
        QVERIFY(Find<QLabel>("Label3")->width() > widthBefore);
        QCOMPARE(Find<QLabel>("Label3")->size(), Find<QLabel>("Label3")->sizeHint());
        QVERIFY(Guard.Seen().isEmpty());
    }

    void noticeComesBeforeItsCorrection() {
        SetText("Edit1", QStringLiteral("3"));
        Guard.Expect({TClose::Enter, [this](const TSeenDialog& notice) {
                          QCOMPARE(notice.Text, QStringLiteral("Меньше градус не бывает"));
                          QCOMPARE(Text("Edit1"), QStringLiteral("3"));
                          QCOMPARE(Result(), Initial);
                      }});
        Calculate();
        QCOMPARE(Guard.Seen().size(), 1);
        QCOMPARE(Text("Edit1"), QStringLiteral("5"));
        QCOMPARE(Result(), QStringLiteral("1509 граммов при крепкости напитка 5°"));
    }

    void threeNoticesInTurn() {
        SetText("Edit1", QStringLiteral("100"));
        SetText("Edit3", QStringLiteral("13"));
        SetText("Edit2", QStringLiteral("200"));
        // The fields as each notice shows: only the corrections before it made.
        const QStringList states{"100 13 200", "96 13 200", "96 15 200"};
        const QStringList texts{"Больше в спирте не бывает :)", "Рановато еще пить",
                                "Ты себя переоцениваешь...убавь вес"};
        for (int i = 0; i < 3; ++i) {
            Guard.Expect({i == 1 ? TClose::Escape : TClose::ClickOk,
                          [this, state = states[i], text = texts[i]](const TSeenDialog& notice) {
                              QCOMPARE(notice.Text, text);
                              QCOMPARE(Text("Edit1") + ' ' + Text("Edit3") + ' ' + Text("Edit2"),
                                       state);
                          }});
        }
        Calculate();
        QCOMPARE(Guard.Seen().size(), 3);
        QCOMPARE(Text("Edit1") + ' ' + Text("Edit3") + ' ' + Text("Edit2"),
                 QStringLiteral("96 15 180"));
        QCOMPARE(Result(), QStringLiteral("103 граммов при крепкости напитка 96°"));
    }

    void conversionFailureKeepsResultAndEarlierCorrections() {
        Calculate();
        const QString before = Result();
        SetText("Edit1", QStringLiteral("3"));
        SetText("Edit3", QStringLiteral("abc"));
        Guard.Expect(TClose::Enter);
        Guard.Expect(TClose::Escape);
        Calculate();
        QCOMPARE(Guard.Seen().size(), 2);
        QCOMPARE(Guard.Seen()[0].Kind, QStringLiteral("Notice"));
        const TSeenDialog& report = Guard.Seen()[1];
        QCOMPARE(report.Kind, QStringLiteral("ErrorReport"));
        QCOMPARE(report.Text, QStringLiteral("'abc' is not a valid integer value."));
        QVERIFY(report.HasIcon);
        QCOMPARE(Text("Edit1"), QStringLiteral("5"));
        QCOMPARE(Text("Edit3"), QStringLiteral("abc"));
        QCOMPARE(Result(), before);

        // The window goes on working.
        SetText("Edit3", QStringLiteral("20"));
        Calculate();
        QCOMPARE(Result(), QStringLiteral("1509 граммов при крепкости напитка 5°"));
    }

    void emptyFieldQuotesNothing() {
        SetText("Edit2", QString());
        Guard.Expect();
        Calculate();
        QCOMPARE(Guard.Seen().value(0).Text, QStringLiteral("'' is not a valid integer value."));
        QCOMPARE(Result(), Initial);
    }

    void answersAreRead() {
        Find<TRadioGroup>("RadioGroup2")->SetItemIndex(0);
        Find<TRadioGroup>("RadioGroup3")->SetItemIndex(0);
        Find<TRadioGroup>("RadioGroup4")->SetItemIndex(0);
        Find<TRadioGroup>("RadioGroup5")->SetItemIndex(1);
        Find<TRadioGroup>("RadioGroup6")->SetItemIndex(0);
        Find<TRadioGroup>("RadioGroup1")->SetItemIndex(2);
        Find<TRadioGroup>("RadioGroup7")->SetItemIndex(1);
        Find<TRadioGroup>("RadioGroup8")->SetItemIndex(1);
        QTest::mouseClick(Find<TRadioGroup>("RadioGroup9")->Item(2), Qt::LeftButton);
        SetText("Edit1", QStringLiteral("96"));
        SetText("Edit3", QStringLiteral("91"));
        SetText("Edit2", QStringLiteral("30"));
        Calculate();
        QCOMPARE(Result(), QStringLiteral("54 граммов при крепкости напитка 96°"));
    }

    // --- hostile input ----------------------------------------------------------

    void hostileTextIsQuotedExactlyAndStaysClosable_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("100,000 digits") << QByteArray("Edit2") << QString(100000, QLatin1Char('7'));
        QTest::newRow("100,000 words")
            << QByteArray("Edit3") << QStringLiteral("водка ").repeated(16667).left(100000);
        QTest::newRow("control characters")
            << QByteArray("Edit3") << QStringLiteral("4\t0\x01\x1b[2J\r");
        QTest::newRow("right-to-left mark") << QByteArray("Edit2") << QStringLiteral("\u200F70");
        QTest::newRow("emoji") << QByteArray("Edit2") << QStringLiteral("🍺🍺");
        QTest::newRow("markup") << QByteArray("Edit3") << QStringLiteral("<b>20</b>");
    }

    void hostileTextIsQuotedExactlyAndStaysClosable() {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QApplication::clipboard()->setText(text);
        Activate();
        QLineEdit* edit = Edit(field.constData());
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), text);

        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        Guard.Expect({TClose::Enter, [&](const TSeenDialog& report) {
                          QVERIFY(screen.contains(report.Geometry));
                          QVERIFY(screen.contains(report.OkButton));
                      }});
        Calculate();
        QCOMPARE(Guard.Seen().size(), 1);
        QCOMPARE(Guard.Seen()[0].Text, "'" + text + "' is not a valid integer value.");
        QCOMPARE(edit->text(), text);
        QCOMPARE(Result(), Initial);
    }

    void pastedTextIntoStrengthIsCut() {
        QApplication::clipboard()->setText(QString(100000, QLatin1Char('9')));
        Activate();
        Edit("Edit1")->selectAll();
        QTest::keyClick(Edit("Edit1"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Text("Edit1"), QStringLiteral("999"));
        Guard.Expect();
        Calculate();
        QCOMPARE(Guard.Seen().value(0).Text, QStringLiteral("Больше в спирте не бывает :)"));
        QCOMPARE(Text("Edit1"), QStringLiteral("96"));
    }

    // --- the information menu ---------------------------------------------

    void menuShowsItsTexts_data() {
        QTest::addColumn<QString>("state");
        QTest::newRow("before a calculation") << QString();
        QTest::newRow("after a result") << QStringLiteral("40");
        QTest::newRow("after a failure") << QStringLiteral("x");
    }

    void menuShowsItsTexts() {
        QFETCH(QString, state);
        if (!state.isEmpty()) {
            SetText("Edit1", state);
            if (state == QStringLiteral("x")) {
                Guard.Expect();
            }
            Calculate();
        }
        const QString result = Result();
        const QString fields = Text("Edit1") + Text("Edit3") + Text("Edit2");

        auto* menu = Find<QMenu>("N1");
        QCOMPARE(menu->title(), QStringLiteral("О программе"));
        QStringList captions;
        for (QAction* action : menu->actions()) {
            captions << action->objectName() + '=' + action->text();
        }
        QCOMPARE(captions, QStringList({"texct1=Версия", "N2=Благодарности", "N3=ВАЖНО !!!"}));

        for (int i = 0; i < 3; ++i) {
            Guard.Expect();
        }
        for (QAction* action : menu->actions()) {
            const qsizetype expected = Guard.Seen().size() + 1;
            action->trigger();
            QTRY_COMPARE(Guard.Seen().size(), expected);
        }
        const QList<TSeenDialog> seen = Guard.Seen().mid(Guard.Seen().size() - 3);
        const QRegularExpression credits(QStringLiteral(
            "^Автор: [^,]+, Программинг: \\S.* и \\S.* Новые версии прграммы можно обнаружить на "
            "http://[a-z0-9.-]+\\.example\\.(org|com|net)(/\\S*)?$"));
        const QRegularExpression thanks(
            QStringLiteral("^Особые благодарности: \\S.* и \\S.* Также компании \"[^\"]+\" "
                           "http://[a-z0-9.-]+\\.example\\.(org|com|net)(/\\S*)? $"));
        QVERIFY2(credits.match(seen[0].Text).hasMatch(), qPrintable(seen[0].Text));
        QVERIFY2(thanks.match(seen[1].Text).hasMatch(), qPrintable(seen[1].Text));
        QCOMPARE(seen[2].Text, Warning);
        for (const TSeenDialog& notice : seen) {
            QCOMPARE(notice.Kind, QStringLiteral("Notice"));
        }
        QCOMPARE(Result(), result);
        QCOMPARE(Text("Edit1") + Text("Edit3") + Text("Edit2"), fields);
    }

    void menuIsPlainTextHighlightedOnlyWhenSelected() {
        TMenuStyle style;
        auto colourAt = [&](QStyle::ControlElement element, QStyle::State state) {
            QImage image(80, 20, QImage::Format_RGB32);
            image.fill(Qt::magenta);
            QStyleOptionMenuItem option;
            option.initFrom(Window->menuBar());
            option.rect = image.rect();
            option.text = QStringLiteral("ВАЖНО !!!");
            option.menuItemType = QStyleOptionMenuItem::Normal;
            option.state = QStyle::State_Enabled | state;
            QPainter painter(&image);
            style.drawControl(element, &option, &painter, nullptr);
            return image.pixelColor(1, 1);
        };
        const QPalette palette = Window->menuBar()->palette();
        const QColor highlight = palette.color(QPalette::Highlight);
        const QColor plain = palette.color(QPalette::Window);
        QCOMPARE(colourAt(QStyle::CE_MenuBarItem, {}), plain);
        QCOMPARE(colourAt(QStyle::CE_MenuBarItem, QStyle::State_Selected), plain);
        QCOMPARE(colourAt(QStyle::CE_MenuBarItem, QStyle::State_Selected | QStyle::State_Sunken),
                 highlight);
        QCOMPARE(colourAt(QStyle::CE_MenuItem, {}), plain);
        QCOMPARE(colourAt(QStyle::CE_MenuItem, QStyle::State_Selected), highlight);
    }

    // --- the dialogs ----------------------------------------------------------

    void dialogsCloseEveryWay_data() {
        QTest::addColumn<int>("close");
        QTest::newRow("Enter") << int(TClose::Enter);
        QTest::newRow("Escape") << int(TClose::Escape);
        QTest::newRow("OK") << int(TClose::ClickOk);
        QTest::newRow("close box") << int(TClose::CloseBox);
    }

    void dialogsCloseEveryWay() {
        QFETCH(int, close);
        Guard.Expect(TClose(close));
        Window->N3Click();
        Guard.Expect(TClose(close));
        ShowErrorReport(QStringLiteral("boom"));
        QCOMPARE(Guard.Seen().size(), 2);
    }

    void noticeLooksAsDesigned() {
        Guard.Expect();
        Window->N3Click();
        const TSeenDialog notice = Guard.Seen().value(0);
        QCOMPARE(notice.Caption, TApplication::Title());
        QCOMPARE(notice.Caption, QStringLiteral("window_test"));
        QVERIFY(!notice.HasIcon);
        QCOMPARE(notice.Buttons, QStringList{"OK*"});
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(notice.TextWidth <= screen.width() / 2);
        QVERIFY(qAbs(notice.Geometry.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(notice.Geometry.center().y() - screen.center().y()) <= 1);
    }

    void errorReportAddsThePeriodRule_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "'abc' is not a valid integer value"
                                << "'abc' is not a valid integer value.";
        QTest::newRow("digit") << "code 7"
                               << "code 7.";
        QTest::newRow("Cyrillic letter") << "ошибка"
                                         << "ошибка.";
        QTest::newRow("period") << "done."
                                << "done.";
        QTest::newRow("exclamation") << "stop!"
                                     << "stop!";
    }

    void errorReportAddsThePeriodRule() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        Guard.Expect();
        // A failure escaping a handler reaches the error report.
        RunHandler([&] { throw std::runtime_error(message.toStdString()); });
        const TSeenDialog report = Guard.Seen().value(0);
        QCOMPARE(report.Text, shown);
        QCOMPARE(report.Caption, TApplication::Title());
        QVERIFY(report.HasIcon);
        QCOMPARE(report.Buttons, QStringList{"OK*"});
    }

    // --- the application shell ----------------------------------------------

    void applicationTitle_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/usr/bin/zavir2"
                               << "zavir2";
        QTest::newRow("capitals") << "/opt/ZAVIR2.EXE"
                                  << "Zavir2";
        QTest::newRow("mixed") << "/opt/ZaViR2"
                               << "Zavir2";
        QTest::newRow("several dots") << "/a.b/My.App.exe"
                                      << "My";
        QTest::newRow("Cyrillic") << "/x/ПРОГРАММА"
                                  << "Программа";
        QTest::newRow("first left as is") << "/x/zAVIR"
                                          << "zavir";
        QTest::newRow("dot first") << "/x/.hidden"
                                   << "";
    }

    void applicationTitle() {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ApplicationTitle(path), title);
    }

    // main() hands the shell Qt options that would change it if obeyed.
    void commandLineChangesNothing() {
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
        auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(style != nullptr);
        QVERIFY(!style->baseStyle()->name().isEmpty());
        QVERIFY(style->baseStyle()->name().compare(QStringLiteral("windows"),
                                                   Qt::CaseInsensitive) != 0);
        QCOMPARE(QApplication::arguments().size(), 1);
    }

    // --- accessibility and high density -----------------------------------

    void everyControlHasANameAScreenReaderSays() {
        auto name = [](QObject* object) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
            return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
        };
        QCOMPARE(name(Edit("Edit1")), QStringLiteral("Крепость напитка"));
        QCOMPARE(name(Edit("Edit3")), QStringLiteral("Ваш возраст"));
        QCOMPARE(name(Edit("Edit2")), QStringLiteral("Ваш Вес"));
        QCOMPARE(name(Find<TRadioGroup>("RadioGroup9")), QStringLiteral("За какое время"));
        QCOMPARE(name(Find<TRadioGroup>("RadioGroup9")->Item(2)), QStringLiteral("Одним махом"));
        QCOMPARE(name(Find<QPushButton>("Button1")), QStringLiteral("РАСЧЕТ"));
        QCOMPARE(name(Find<QLabel>("Label3")), Initial);
        QCOMPARE(name(Find<QLabel>("Image2")), QStringLiteral("Бутылка и стакан"));
        for (QWidget* widget : Window->findChildren<QWidget*>()) {
            if (widget->focusPolicy() != Qt::NoFocus && widget->isVisible()) {
                QVERIFY2(!name(widget).isEmpty(), qPrintable(widget->objectName()));
            }
        }
        for (QAction* action : Find<QMenu>("N1")->actions()) {
            QVERIFY(!name(action).isEmpty() || !action->text().isEmpty());
        }
    }

    void f10OpensTheMenu() {
        Activate();
        QTest::keyClick(Window.get(), Qt::Key_F10);
        QCOMPARE(Window->menuBar()->activeAction(), Find<QMenu>("N1")->menuAction());
        QTRY_VERIFY(Find<QMenu>("N1")->isVisible());
        QTest::keyClick(Find<QMenu>("N1"), Qt::Key_Escape);
        QTest::keyClick(Window->menuBar(), Qt::Key_Escape);
    }

    void pictureAndIconAreSharpAtTheScreensDensity() {
        const qreal ratio = qApp->devicePixelRatio();
        const QPixmap picture = Find<QLabel>("Image2")->pixmap();
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(213, 198));
        QCOMPARE(picture.width(), qRound(213 * ratio));

        const QIcon icon = QApplication::windowIcon();
        QImage small(QStringLiteral(":/icon/zavir2-32.png"));
        QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                 small.convertToFormat(QImage::Format_ARGB32));
        // Larger sizes are drawn from the outline: crisp edges, where the
        // 32 x 32 picture scaled up would leave half-transparent ones.
        const QImage large = icon.pixmap(QSize(128, 128), 1.0).toImage();
        QCOMPARE(large.size(), QSize(128, 128));
        int partial = 0;
        for (int y = 0; y < large.height(); ++y) {
            for (int x = 0; x < large.width(); ++x) {
                const int alpha = large.pixelColor(x, y).alpha();
                partial += alpha != 0 && alpha != 255 ? 1 : 0;
            }
        }
        QCOMPARE(partial, 0);
    }

    void usesTheChosenFallbackFont() {
        QCOMPARE(QFontInfo(Find<QLabel>("Label1")->font()).family(),
                 QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(Window->font()).family(), QStringLiteral("Liberation Sans"));
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Options Qt would act on if the shell passed them on.
    char reverse[] = "-reverse";
    char style[] = "-style";
    char windows[] = "windows";
    char* shellArguments[] = {argv[0], reverse, style, windows, nullptr};
    TApplication application(4, shellArguments);
    TWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
