// Vantorel's start-up: the application, its translators and the GB18030
// codec check, then the main window with the road named on the command line
// and the event loop.
#include "commandline.h"
#include "globals.h"
#include "mainwindow.h"
#include "narrowtext.h"
#include "translators.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QStringEncoder>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long message when the desktop's display cannot be
// reached; say it in one line instead.
bool hasDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// GB18030 comes with Qt's ICU support; without any ICU codec the provider is
// missing altogether, otherwise just this codec.
void checkCodec()
{
    if (narrowtext::hasGb18030())
        return;
    const bool anyIcuCodec = QStringEncoder("Shift_JIS").isValid();
    QMessageBox::warning(
        nullptr, QCoreApplication::translate("main", "Failed"),
        anyIcuCodec ? QCoreApplication::translate("main", "Codec GB18030 not found")
                    : QCoreApplication::translate("main", "Codec File qcncodecs4.dll not found"),
        QMessageBox::Ok);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "Vantorel needs a graphical display, and none was found (DISPLAY and "
                     "WAYLAND_DISPLAY are not set).\n");
        return 1;
    }

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vantorel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantorel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTOREL_VERSION));
    // Plug-ins are looked for beside the program, never in whatever directory
    // it happens to be started from.
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath());
    app.setWindowIcon(QIcon(":/new/prefix1/res/Vantorel.png"));

    installTranslators(&app, QLocale::system().name());

    const QString road = roadOnCommandLine(QCoreApplication::arguments());
    checkCodec();

    MainWindow window;
    theMainWindow = &window;
    window.showAsLastTime();
    if (!road.isEmpty())
        window.openRoad(road);
    const int code = app.exec();
    theMainWindow = nullptr;
    return code;
}
