#include "app/settingsstore.h"
#include "app/wiring.h"
#include "mainwindow/chaupt.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(vemoresources);
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/appicon/256x256.png")));
    // The desktop entry's name: desktops show the entry's icon and name for
    // the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.feldbrief.Feldbrief"));

    // The language chosen on the settings page; a missing or unknown name
    // leaves the German source texts.
    const QString language = SettingsStore::LANGUAGE.tValue();
    QTranslator translator;
    translator.load(SettingsStore::strCatalogueName(language), QStringLiteral(":/"));
    app.installTranslator(&translator);

    Wiring::vConnectAll();
    cHaupt::instance()->showMaximized();

    // "--exit-when-shown": a start-up check for installations; ends as soon
    // as the main window is on the screen.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--exit-when-shown") == 0) {
            QTimer::singleShot(0, &app, [] {
                const bool bShown = cHaupt::instance()->isVisible();
                std::printf("feldbrief: main window %s\n", bShown ? "shown" : "not shown");
                std::fflush(stdout);
                QCoreApplication::exit(bShown ? 0 : 1);
            });
        }
    }
    return app.exec();
}
