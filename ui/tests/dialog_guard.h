// Reads and closes every modal dialog as it appears, so that a test never
// hangs on one, and fails the test on a dialog nobody expected.
#pragma once

#include <deque>
#include <functional>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

struct TSeenDialog {
    QString Kind; // "Notice" or "ErrorReport"
    QString Caption;
    QString Text;
    bool HasIcon = false;
    QStringList Buttons;
    QRect Geometry;
    QRect OkButton; // in screen coordinates
    int TextWidth = 0;
};

class TDialogGuard : public QObject {
public:
    enum class TClose { Enter, Escape, ClickOk, CloseBox };

    struct TExpectation {
        TClose Close = TClose::Enter;
        // Runs while the dialog is open, before it is closed.
        std::function<void(const TSeenDialog&)> WhileOpen;
    };

    TDialogGuard() {
        Timer.setInterval(5);
        connect(&Timer, &QTimer::timeout, this, &TDialogGuard::Poll);
        Timer.start();
    }

    // The next dialog is expected, to be closed the given way.
    void Expect(TExpectation expectation) { Expected.push_back(std::move(expectation)); }
    void Expect(TClose close = TClose::Enter) { Expected.push_back({close, {}}); }

    const QList<TSeenDialog>& Seen() const { return SeenDialogs; }
    int Unexpected() const { return UnexpectedCount; }
    int Stuck() const { return StuckCount; }
    int StillExpected() const { return static_cast<int>(Expected.size()); }

    void Reset() {
        SeenDialogs.clear();
        Expected.clear();
        UnexpectedCount = 0;
        StuckCount = 0;
    }

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        if (dialog == Closing) {
            // The way it was asked to close did not close it: fail, and end it
            // so that the test goes on.
            if (SinceClose.elapsed() > 2000) {
                ++StuckCount;
                dialog->done(QDialog::Rejected);
            }
            return;
        }
        Closing = dialog;
        SinceClose.start();
        TSeenDialog seen;
        seen.Kind = dialog->objectName();
        seen.Caption = dialog->windowTitle();
        if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("Text"))) {
            seen.Text = label->text();
            seen.TextWidth = label->width();
        } else if (auto* box = dialog->findChild<QPlainTextEdit*>(QStringLiteral("Text"))) {
            seen.Text = box->toPlainText();
            seen.TextWidth = box->width();
        }
        seen.HasIcon = dialog->findChild<QLabel*>(QStringLiteral("Icon")) != nullptr;
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            seen.Buttons << button->text() + (button->isDefault() ? QStringLiteral("*") : "");
        }
        seen.Geometry = dialog->geometry();
        if (auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OK"))) {
            seen.OkButton = QRect(ok->mapToGlobal(QPoint()), ok->size());
        }
        SeenDialogs << seen;

        TExpectation expectation;
        if (Expected.empty()) {
            ++UnexpectedCount;
        } else {
            expectation = std::move(Expected.front());
            Expected.pop_front();
        }
        if (expectation.WhileOpen) {
            expectation.WhileOpen(seen);
        }
        switch (expectation.Close) {
        case TClose::Enter:
            QTest::keyClick(dialog, Qt::Key_Return);
            break;
        case TClose::Escape:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        case TClose::ClickOk:
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OK")),
                              Qt::LeftButton);
            break;
        case TClose::CloseBox:
            dialog->close();
            break;
        }
    }

    QTimer Timer;
    QPointer<QDialog> Closing;
    std::deque<TExpectation> Expected;
    QList<TSeenDialog> SeenDialogs;
    QElapsedTimer SinceClose;
    int UnexpectedCount = 0;
    int StuckCount = 0;
};
