#include "application.h"

#include "dialogs.h"

#include <exception>

#include <QFileInfo>
#include <QFont>
#include <QIcon>

namespace {

QString& StoredTitle() {
    static QString title;
    return title;
}

// The layout names faces that Linux does not have; these are the stand-ins
// with Cyrillic letters and the closest metrics.
void SubstituteFonts() {
    QFont::insertSubstitution(QStringLiteral("Arial Unicode MS"),
                              QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

} // namespace

QString ApplicationTitle(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const QString stem = name.left(name.indexOf(QLatin1Char('.')));
    return stem.left(1) + stem.mid(1).toLower();
}

TApplication::TApplication(int /*argc*/, char** argv) : QApplication(ArgumentCount, argv) {
    StoredTitle() = ApplicationTitle(applicationFilePath());
    SubstituteFonts();
    setDesktopFileName(QStringLiteral("org.example.Zavir2"));
    // Drawn from the SVG at every size but 32 x 32, which has its own
    // hand-made 16-colour picture.
    QIcon icon(QStringLiteral(":/icon/zavir2.svg"));
    icon.addFile(QStringLiteral(":/icon/zavir2-32.png"), QSize(32, 32));
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
