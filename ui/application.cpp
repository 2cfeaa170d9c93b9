#include "application.h"

#include "dialogs.h"

#include <exception>

#include <QFileInfo>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>

namespace {

QString& StoredTitle() {
    static QString title;
    return title;
}

// An icon made only when it is first drawn.
class TDeferredIconEngine : public QIconEngine {
public:
    explicit TDeferredIconEngine(std::function<QIcon()> make) : Make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().pixmap(size, mode, state);
    }
    QIconEngine* clone() const override { return new TDeferredIconEngine(Make); }

private:
    const QIcon& Real() {
        if (Icon.isNull()) {
            Icon = Make();
        }
        return Icon;
    }

    std::function<QIcon()> Make;
    QIcon Icon;
};

// The menu bar asks for its overflow button's icon as soon as it is made, and
// reading that icon would load the image plugins during start-up, although
// the button shows only in a window too narrow for the one menu. This style
// hands out that icon deferred.
class TApplicationStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which != SP_ToolBarHorizontalExtensionButton) {
            return QProxyStyle::standardIcon(which, option, widget);
        }
        return QIcon(new TDeferredIconEngine(
            [base = baseStyle(), which] { return base->standardIcon(which); }));
    }
};

} // namespace

QString ApplicationTitle(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const QString stem = name.left(name.indexOf(QLatin1Char('.')));
    return stem.left(1) + stem.mid(1).toLower();
}

TApplication::TApplication(int /*argc*/, char** argv) : QApplication(ArgumentCount, argv) {
    StoredTitle() = ApplicationTitle(applicationFilePath());
    setStyle(new TApplicationStyle);
    setDesktopFileName(QStringLiteral("org.example.Zavir2"));
    // Drawn from the SVG at every size but 32 x 32, which has its own
    // hand-made 16-colour picture.
    QIcon icon(QStringLiteral(":/icon/zavir2.svg"));
    // The format named, or Qt would try every image plugin on the file first.
    icon.addPixmap(QPixmap(QStringLiteral(":/icon/zavir2-32.png"), "PNG"));
    setWindowIcon(icon);
}

QString TApplication::Title() {
    return StoredTitle();
}

void RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        ShowErrorReport(QString::fromUtf8(failure.what()));
    } catch (...) {
        ShowErrorReport(QStringLiteral("Unknown failure"));
    }
}
