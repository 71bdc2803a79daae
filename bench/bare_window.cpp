// The yardstick of the start-up benchmark: what the toolkit alone needs to show a main
// window of the game's size with the game's menu bar, in an application set up as the
// game's is, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include <initializer_list>
#include <utility>

namespace {

using Command = std::pair<const char*, QKeySequence>;

void add_menu(QMenuBar* bar, const char* title, std::initializer_list<Command> commands)
{
    QMenu* menu = bar->addMenu(QString::fromLatin1(title));
    for (const auto& [text, shortcut] : commands)
        menu->addAction(QString::fromLatin1(text))->setShortcut(shortcut);
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trivolo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quenrix.trivolo"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenuBar* bar = window.menuBar();
    add_menu(bar, "Game",
             {{"New Game", QKeySequence(Qt::CTRL | Qt::Key_N)},
              {"Game Mode", QKeySequence(Qt::CTRL | Qt::Key_M)},
              {"Quit", QKeySequence(Qt::Key_Delete)}});
    add_menu(bar, "Sound", {{"On", QKeySequence(Qt::CTRL | Qt::Key_F1)}, {"Off", QKeySequence(Qt::CTRL | Qt::Key_F2)}});
    add_menu(bar, "Image", {{"Player1", QKeySequence(Qt::Key_F1)}, {"Player2", QKeySequence(Qt::Key_F2)}});
    add_menu(bar, "Help",
             {{"Guide", QKeySequence(Qt::CTRL | Qt::Key_H)}, {"Read Me", QKeySequence(Qt::CTRL | Qt::Key_R)}});
    // The game's window: its 637 x 513 board area under the menu bar.
    window.setCentralWidget(new QWidget);
    window.centralWidget()->setFixedSize(637, 513);
    window.show();
    return QApplication::exec();
}
