#include "dialogs.h"

#include "application.h"
#include "dose.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The text as a label wrapped to at most half the screen's width. A text too
// long for that (a word wider than the limit, or more lines than two thirds of
// the screen hold) goes into a read-only box that wraps anywhere and scrolls,
// so that the dialog and its button always stay on the screen.
QWidget* MakeText(const QString& text, const QRect& screen, QWidget* parent) {
    const int maxWidth = screen.width() / 2;
    const int maxHeight = screen.height() * 2 / 3;
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Text"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(text);
    const QRect bounds =
        label->fontMetrics().boundingRect(QRect(0, 0, maxWidth, maxHeight), Qt::TextWordWrap, text);
    const int width = std::min(bounds.width(), maxWidth);
    if (bounds.width() <= maxWidth && label->heightForWidth(width) <= maxHeight) {
        label->setFixedWidth(width);
        return label;
    }
    delete label;
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("Text"));
    box->setReadOnly(true);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setPlainText(text);
    box->setFixedSize(maxWidth, maxHeight);
    box->setFrameShape(QFrame::NoFrame);
    box->viewport()->setAutoFillBackground(false);
    return box;
}

void ShowDialog(const QString& text, const QIcon& icon, const QString& objectName) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(TApplication::Title());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);

    QScreen* screen = dialog.parentWidget() != nullptr ? dialog.parentWidget()->screen()
                                                       : QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();

    auto* row = new QHBoxLayout;
    if (!icon.isNull()) {
        auto* image = new QLabel(&dialog);
        image->setObjectName(QStringLiteral("Icon"));
        const int size = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
        image->setPixmap(icon.pixmap(size, size));
        image->setAlignment(Qt::AlignTop);
        row->addWidget(image);
    }
    row->addWidget(MakeText(text, available, &dialog), 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(row);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    ok->setFocus();

    // Centred on the screen rather than on the window, wherever that is.
    dialog.adjustSize();
    dialog.setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, dialog.size(), available));
    dialog.exec();
}

} // namespace

void ShowMessage(const QString& text) {
    ShowDialog(text, QIcon(), QStringLiteral("Notice"));
}

void ShowErrorReport(const QString& message) {
    const QString text = QString::fromStdString(zavir2::WithReportPeriod(message.toStdString()));
    ShowDialog(text, QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical),
               QStringLiteral("ErrorReport"));
}
