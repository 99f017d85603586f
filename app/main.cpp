#include "app/settingsstore.h"
#include "app/wiring.h"
#include "mainwindow/chaupt.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace
{

// "--exit-when-shown", a start-up check for installations: the program ends
// once the main window has been drawn for the first time, which takes the
// platform plugin, the embedded pictures and translations and every page.
class cExitWhenDrawn : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* _pWatched, QEvent* _pEvent) override
    {
        if (_pEvent->type() == QEvent::Paint) {
            _pWatched->removeEventFilter(this);
            std::printf("feldbrief: main window shown\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(vemoresources);
    QIcon icon;
    for (const char* size : {"48x48", "64x64", "128x128", "256x256"})
        icon.addFile(QStringLiteral(":/appicon/%1.png").arg(QLatin1String(size)));
    QGuiApplication::setWindowIcon(icon);
    // The desktop entry's name: desktops show the entry's icon and name for
    // the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.feldbrief.Feldbrief"));

    // The language chosen on the settings page; a missing or unknown name
    // leaves the German source texts.
    const QString language = SettingsStore::LANGUAGE.tValue();
    QTranslator translator;
    translator.load(SettingsStore::strCatalogueName(language), QStringLiteral(":/"));
    app.installTranslator(&translator);
    SettingsStore::vApplyInterfaceLocale();

    Wiring::vConnectAll();
    if (QCoreApplication::arguments().contains(QStringLiteral("--exit-when-shown")))
        cHaupt::instance()->installEventFilter(new cExitWhenDrawn(&app));
    cHaupt::instance()->showMaximized();
    return app.exec();
}
