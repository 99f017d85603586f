#include "app/settingsstore.h"
#include "app/wiring.h"
#include "mainwindow/chaupt.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(vemoresources);

    // The language chosen on the settings page; a missing or unknown name
    // leaves the German source texts.
    const QString language = SettingsStore::LANGUAGE.tValue();
    QTranslator translator;
    translator.load(SettingsStore::strCatalogueName(language), QStringLiteral(":/"));
    app.installTranslator(&translator);

    Wiring::vConnectAll();
    cHaupt::instance()->showMaximized();
    return app.exec();
}
