#include "app/appicon.h"
#include "app/settingsstore.h"
#include "app/wiring.h"
#include "data/appinfo.h"
#include "mainwindow/chaupt.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <optional>
#include <string>

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

// "--help" and "--version" print their text and end the program; anything
// else starts it.
std::optional<int> s32AnswerWithoutDisplay(int _s32Argc, char* _apArgv[])
{
    for (int i = 1; i < _s32Argc; ++i) {
        const std::string strArgument = _apArgv[i];
        if (strArgument == "--version" || strArgument == "-v") {
            std::printf("feldbrief %s\n", AppInfo::VERSION);
            return 0;
        }
        if (strArgument == "--help" || strArgument == "-h") {
            std::printf("Usage: feldbrief [options]\n"
                        "%s, the companion app for the sugar-beet harvester's terminal.\n\n"
                        "Options:\n"
                        "  -h, --help          show this text and end\n"
                        "  -v, --version       show the version and end\n"
                        "  --exit-when-shown   end once the main window has been drawn (a start-up check)\n"
                        "Qt's own options (for example -platform offscreen) are taken as well.\n",
                        AppInfo::NAME);
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before the application object exists, which needs a display.
    if (const std::optional<int> s32Exit = s32AnswerWithoutDisplay(argc, argv))
        return *s32Exit;

    QApplication app(argc, argv);
    Q_INIT_RESOURCE(vemoresources);
    QGuiApplication::setWindowIcon(AppIcon::icon());
    // The desktop entry's name: desktops show the entry's icon and name for
    // the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.feldbrief.Feldbrief"));

    // The language chosen on the settings page; a missing or unknown name
    // leaves the German source texts.
    const QString language = SettingsStore::LANGUAGE.tValue();
    SettingsStore::vApplyInterfaceLocale();
    QTranslator translator;
    translator.load(SettingsStore::strCatalogueName(language), QStringLiteral(":/"));
    app.installTranslator(&translator);

    Wiring::vConnectAll();
    if (QCoreApplication::arguments().contains(QStringLiteral("--exit-when-shown")))
        cHaupt::instance()->installEventFilter(new cExitWhenDrawn(&app));
    cHaupt::instance()->showMaximized();
    return app.exec();
}
