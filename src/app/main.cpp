#include "cli/Args.h"
#include "cli/Commands.h"
#include "ui/shell/App.h"
#include "ui/shell/Language.h"
#include "ui/shell/mcuV.h"
#include "ui/widgets/ScreenFit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Subcommands run without a window and without a display.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (vaz::cli::isCommandLine(args))
        return vaz::cli::runMain(argc, argv);

    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication qapp(argc, argv);
    qapp.setPalette(vaz::readablePalette(qapp.palette()));
    // The tool decides itself when a run ends: windows are hidden, not closed,
    // while another one is in use.
    QApplication::setQuitOnLastWindowClosed(false);
    vaz::useLanguage(vaz::startLanguage());

    vaz::App app;
    QObject::connect(&app, &vaz::App::quitRequested, &qapp, &QCoreApplication::quit, Qt::QueuedConnection);
    // A lone argument that is no option is a file to open.
    app.start(args.size() == 1 && !args.first().startsWith(u'-') ? args.first() : QString());

    // Start-up check for the tests: say when the version window is on screen, then stop.
    if (qEnvironmentVariableIsSet("VAZ_QUIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, &qapp, [&] {
            std::printf("version window shown: %s after %lld ms\n", app.versionWindow()->isVisible() ? "yes" : "no",
                        static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return QApplication::exec();
}
