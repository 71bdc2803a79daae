// The program's entry and composition root: the application, the desktop services
// and the first main window.
#include "mainwindow/main.h"
#include "imagechooser/choosers.h"
#include "platform/desktopsound.h"
#include "platform/documents.h"
#include "platform/log.h"
#include "platform/messageboxes.h"
#include "platform/translations.h"
#include "platform/windowowner.h"
#include "platform/windows.h"
#include "settings/settings.h"

#include <QApplication>
#include <QIcon>

#include <clocale>
#include <csignal>
#include <thread>

int main(int argc, char* argv[])
{
    // Under a file size limit a write beyond it fails with an error the program reports,
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The application object sets the user's locale as it is made; set first, the font
    // configuration read meanwhile is read in it too.
    std::setlocale(LC_ALL, "");
    std::jthread font_configuration = trivolo::read_font_configuration();
    // Scale the fixed layouts exactly in proportion to the desktop's dots per inch.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trivolo"));
    // An installed game's folder belongs to root: each player then keeps their settings and
    // pictures in a folder of their own.
    namespace settings = trivolo::settings;
    if (const trivolo::Result<> chosen
        = settings::choose_data_folder(settings::player_folder(), settings::can_write_in(settings::app_folder()));
        !chosen.ok())
        qCWarning(trivolo::lcTrivolo, "%s", qUtf8Printable(chosen.reason()));
    // The name the desktop entry and the window manager know the program by.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quenrix.trivolo"));
    // The window manager shows the small sizes in the window's frame as soon as the window
    // appears; the large ones serve task switchers, which can wait for its first paint.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/builtin/trivolo.ico")));
    trivolo::install_font_substitutes();
    // The player's language, as the desktop reports it, where the game has a catalogue for it.
    trivolo::install_translations(settings::app_file(settings::kTranslationsFolder));

    // The boxes and the choosers belong to the frame that every main window fills in turn.
    trivolo::MainWindowOwner owner;
    trivolo::QtMessageBoxes boxes(owner.frame());
    trivolo::DesktopSound sound;
    trivolo::DesktopDocuments documents;
    trivolo::Services services{boxes, sound, documents};
    trivolo::ImageChoosers choosers(services, owner.frame());
    font_configuration.join();  // the first window measures its text
    owner.show_first([&](trivolo::MainWindowOwner& self) { return new trivolo::main(services, self, choosers); });
    trivolo::after_first_paint(owner.window(), [] {
        QIcon icon = QApplication::windowIcon();
        for (const int size : {48, 64, 128, 256})
            icon.addFile(QStringLiteral(":/builtin/trivolo-%1.png").arg(size));
        QApplication::setWindowIcon(icon);
    });
    return QApplication::exec();
}
