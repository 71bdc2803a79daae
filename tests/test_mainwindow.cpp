// The main window as it starts: layout, start-up labels, and the sound switch.
#include "testsupport.h"

#include "platform/windows.h"
#include "settings/settings.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace trivolo;
using namespace trivolo::test;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void window_is_fixed_and_titled();
    void pictures_at_creation_are_compiled_in();
    void controls_are_laid_out_data();
    void controls_are_laid_out();
    void colours_follow_the_theme();
    void menus_have_their_captions_and_shortcuts();
    void start_up_labels_follow_the_files_data();
    void start_up_labels_follow_the_files();
    void start_up_centres_the_window();
    void start_up_restores_a_minimised_window();
    void sound_switch_data();
    void sound_switch();
    void refused_sound_write_changes_nothing_data();
    void refused_sound_write_changes_nothing();
    void clicks_before_new_game_change_nothing();
};

void TestMainWindow::window_is_fixed_and_titled()
{
    TestApp app;
    main* window = app.window();
    QCOMPARE(window->objectName(), "main");
    QCOMPARE(window->windowTitle(), "Trivolo By Quenrix");
    QCOMPARE(child(window, "client")->size(), QSize(637, 513));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    const QList<QSize> icon_sizes = window->windowIcon().availableSizes();
    QVERIFY(icon_sizes.contains(QSize(16, 16)) && icon_sizes.contains(QSize(32, 32)));
}

void TestMainWindow::pictures_at_creation_are_compiled_in()
{
    // Even an application folder without any pictures shows the side panel as designed.
    TestApp app;
    QDir(app.folder.path() + "/docs").removeRecursively();
    app.owner.reload();
    const auto size_of = [&](const char* name) { return picture_of(child(app.window(), name)).size(); };
    QCOMPARE(size_of("Picture1"), QSize(200, 80));
    QCOMPARE(size_of("howpic"), QSize(195, 208));
    QCOMPARE(size_of("playerlevel"), QSize(200, 80));
    QVERIFY(picture_of(child(app.window(), "playerpics")).isNull());
    QVERIFY(picture_of(child(app.window(), "wonpic")).isNull());
}

void TestMainWindow::controls_are_laid_out_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    const auto row = [](const char* name, QRect geometry, const char* text = "", bool visible = true,
                        double points = 0, bool bold = false) {
        QTest::newRow(name) << QString(name) << geometry << QString(text) << visible << points << bold;
    };
    const int columns[] = {224, 360, 496};
    const int rows[] = {16, 152, 288};
    for (int cell = 0; cell < 9; ++cell)
        row(qPrintable(QStringLiteral("p%1").arg(cell + 1)), QRect(columns[cell % 3], rows[cell / 3], 120, 121));
    row("Line4", QRect(352, 8, 1, 409));
    row("Line1", QRect(488, 8, 1, 409));
    row("Line2", QRect(216, 144, 409, 1));
    row("Line3", QRect(216, 280, 409, 1));
    row("Shape1", QRect(216, 8, 409, 409));
    row("Picture1", QRect(8, 8, 201, 81));
    row("Label1", QRect(24, 96, 169, 25), "quenrix", true, 13.5);
    row("howpic", QRect(8, 136, 201, 209));
    row("playerlevel", QRect(8, 136, 201, 81), "", false);
    row("playerpics", QRect(40, 224, 120, 121), "", false);
    row("Shape2", QRect(8, 360, 201, 57));
    row("Label5", QRect(48, 360, 129, 25), "Game Mode", true, 12, true);
    row("modeshow", QRect(8, 392, 81, 25), "Player1", true, 12);
    row("Label4", QRect(96, 392, 33, 25), "Vs", true, 12);
    row("modeshow1", QRect(128, 392, 73, 17), "Computer", true, 12);
    row("Label6", QRect(32, 424, 105, 19), "Game Sound ", true, 9.75);
    row("slevel", QRect(136, 424, 49, 25), "ON", true, 12, true);
    row("Label2", QRect(64, 448, 113, 33), "Message", true, 18);
    row("wonpic", QRect(216, 440, 409, 49));
    row("msgb", QRect(24, 0, 361, 41), "", true, 20.25);
    row("Label3", QRect(256, 496, 313, 17), "Visit www.quenrix.example For New Version", true, 8.25);
}

void TestMainWindow::controls_are_laid_out()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, visible);
    QFETCH(double, points);
    QFETCH(bool, bold);

    TestApp app;
    QWidget* control = child(app.window(), qPrintable(name));
    QVERIFY2(control, "no control of that name");
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isVisibleTo(app.window()), visible);
    if (auto* label = qobject_cast<QLabel*>(control); label && label->pixmap().isNull())
        QCOMPARE(label->text(), text);
    if (points > 0) {
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().bold(), bold);
    }
}

void TestMainWindow::colours_follow_the_theme()
{
    TestApp app;
    const QPalette theme = QGuiApplication::palette();
    const auto text_colour = [&](const char* name) { return child(app.window(), name)->palette().color(QPalette::WindowText); };
    for (const char* name : {"Label1", "slevel", "msgb", "Label3"})
        QCOMPARE(text_colour(name), theme.color(QPalette::Highlight));
    for (const char* name : {"Label5", "Label4", "Label2", "Shape2"})
        QCOMPARE(text_colour(name), desktop_colour(theme));
    for (const char* name : {"modeshow", "modeshow1", "Label6"})
        QCOMPARE(text_colour(name), theme.color(QPalette::WindowText));
}

void TestMainWindow::menus_have_their_captions_and_shortcuts()
{
    TestApp app;
    const QList<QAction*> menus = app.window()->menuBar()->actions();
    QStringList seen;
    for (QAction* menu : menus) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << item->objectName() + "=" + item->text() + "=" + item->shortcut().toString();
        seen << menu->menu()->objectName() + ":" + menu->text() + "[" + items.join(", ") + "]";
    }
    QCOMPARE(seen, QStringList({
                       "game:Game[ngame=New Game=Ctrl+N, gmode=Game Mode=Ctrl+M, exit=Quit=Del]",
                       "Sound:Sound[on=On=Ctrl+F1, Off=Off=Ctrl+F2]",
                       "img:Image[playerimg1=Player1=F1, playerimg2=Player2=F2]",
                       "help:Help[Guide=Guide=Ctrl+H, readme=Read Me=Ctrl+R]",
                   }));
}

void TestMainWindow::start_up_labels_follow_the_files_data()
{
    QTest::addColumn<QByteArray>("sound");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("slevel");
    QTest::addColumn<bool>("soundon");
    QTest::addColumn<QString>("second_side");

    QTest::newRow("on, computer") << QByteArray("true\r\n") << QByteArray("0\r\n") << "ON" << true << "Computer";
    QTest::newRow("unterminated") << QByteArray("true") << QByteArray("0") << "ON" << true << "Computer";
    QTest::newRow("False") << QByteArray("False\r\n") << QByteArray("1\r\n") << "OFF" << false << "Player2";
    QTest::newRow("false") << QByteArray("false\r\n") << QByteArray("2\r\n") << "OFF" << false << "Player2";
    QTest::newRow("capital T") << QByteArray("True\r\n") << QByteArray("0 \r\n") << "OFF" << false << "Player2";
    QTest::newRow("trailing blank") << QByteArray("true \r\n") << QByteArray("\r\n") << "OFF" << false << "Player2";
    QTest::newRow("empty files") << QByteArray() << QByteArray() << "OFF" << false << "Player2";
}

void TestMainWindow::start_up_labels_follow_the_files()
{
    QFETCH(QByteArray, sound);
    QFETCH(QByteArray, mode);
    QFETCH(QString, slevel);
    QFETCH(bool, soundon);
    QFETCH(QString, second_side);

    TestApp app({{"/sound.txt", sound}, {"/mode.txt", mode}});
    main* window = app.window();
    QCOMPARE(child<QLabel>(window, "slevel")->text(), slevel);
    QCOMPARE(MainWindowProbe::soundon(*window), soundon);
    QCOMPARE(child<QLabel>(window, "modeshow")->text(), "Player1");
    QCOMPARE(child<QLabel>(window, "modeshow1")->text(), second_side);
    QVERIFY(child(window, "msgb")->isVisibleTo(window));
    QCOMPARE(child<QLabel>(window, "msgb")->text(), "");
    QVERIFY(app.boxes.shown.isEmpty());
}

void TestMainWindow::start_up_centres_the_window()
{
    // Start-up runs before the window is first shown, when the window system has not
    // framed it yet: the window's own size is what gets centred.
    TestApp app;
    const QRect screen = app.window()->screen()->geometry();
    const QSize size = app.window()->size();
    QCOMPARE(app.window()->frameGeometry().topLeft(),
             QPoint(qRound((screen.width() - size.width()) / 2.0), qRound((screen.height() - size.height()) / 2.0)));
}

void TestMainWindow::start_up_restores_a_minimised_window()
{
    // The start-up runs inside the constructor, so a window made minimised before its
    // start-up can only be had from a reload after the user minimised the old one.
    TestApp app;
    app.window()->setWindowState(Qt::WindowMinimized);
    app.owner.reload();
    QVERIFY(!(app.window()->windowState() & Qt::WindowMinimized));
    QVERIFY(app.window()->isVisible());
}

void TestMainWindow::sound_switch_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("slevel");
    QTest::addColumn<bool>("soundon");

    QTest::newRow("off when on") << QByteArray("true\r\n") << "Off" << "Sound Is Now OFF." << QByteArray("False\r\n") << "OFF" << false;
    QTest::newRow("off when False") << QByteArray("False\r\n") << "Off" << "Sound Is Already OFF." << QByteArray("False\r\n") << "OFF" << false;
    QTest::newRow("off when empty") << QByteArray() << "Off" << "Sound Is Already OFF." << QByteArray() << "OFF" << false;
    QTest::newRow("on when off") << QByteArray("False\r\n") << "on" << "Sound Is Now On." << QByteArray("true\r\n") << "ON" << true;
    QTest::newRow("on when True") << QByteArray("True\r\n") << "on" << "Sound Is Now On." << QByteArray("true\r\n") << "ON" << true;
    QTest::newRow("on when on") << QByteArray("true\n") << "on" << "Sound Is Already On." << QByteArray("true\n") << "ON" << true;
}

void TestMainWindow::sound_switch()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, command);
    QFETCH(QString, message);
    QFETCH(QByteArray, after);
    QFETCH(QString, slevel);
    QFETCH(bool, soundon);

    TestApp app({{"/sound.txt", before}});
    const TempAppFolder& folder = app.folder;
    main* window = app.window();
    QString label_while_box_open;
    bool soundon_while_box_open = false;
    app.boxes.on_show = [&](const ShownBox&) {
        label_while_box_open = child<QLabel>(window, "slevel")->text();
        soundon_while_box_open = MainWindowProbe::soundon(*window);
    };
    trigger(window, qPrintable(command));

    QCOMPARE(app.boxes.shown, QList<ShownBox>({{message, OkOnly, "Sound Information"}}));
    QCOMPARE(folder.read("/sound.txt"), after);
    QCOMPARE(child<QLabel>(window, "slevel")->text(), slevel);
    QCOMPARE(label_while_box_open, slevel);
    QCOMPARE(MainWindowProbe::soundon(*window), soundon);
    if (message.contains("Now"))
        QCOMPARE(soundon_while_box_open, !soundon);  // switched only once the box is closed
}

void TestMainWindow::refused_sound_write_changes_nothing_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("command");
    QTest::newRow("off") << QByteArray("true\r\n") << "Off";
    QTest::newRow("on") << QByteArray("False\r\n") << "on";
}

void TestMainWindow::refused_sound_write_changes_nothing()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, command);

    TestApp app({{"/sound.txt", before}});
    const TempAppFolder& folder = app.folder;
    main* window = app.window();
    const QString slevel = child<QLabel>(window, "slevel")->text();
    const bool soundon = MainWindowProbe::soundon(*window);
    {
        RefusedWrites full_disk;
        trigger(window, qPrintable(command));
    }
    QCOMPARE(app.boxes.shown.size(), 1);
    QVERIFY2(app.boxes.shown[0].prompt.contains(folder.file("/sound.txt")), qPrintable(app.boxes.shown[0].prompt));
    QVERIFY(!app.boxes.shown[0].prompt.contains("Sound Is"));
    QCOMPARE(folder.read("/sound.txt"), before);
    QCOMPARE(child<QLabel>(window, "slevel")->text(), slevel);
    QCOMPARE(MainWindowProbe::soundon(*window), soundon);
}

void TestMainWindow::clicks_before_new_game_change_nothing()
{
    TestApp app;
    main* window = app.window();
    for (int cell = 1; cell <= 9; ++cell)
        click_cell(window, cell);
    for (int cell = 1; cell <= 9; ++cell) {
        QVERIFY(picture_of(child(window, qPrintable(QStringLiteral("p%1").arg(cell)))).isNull());
        QVERIFY(!MainWindowProbe::free(*window, cell));
    }
    QCOMPARE(MainWindowProbe::lastcell(*window), "");
    QCOMPARE(MainWindowProbe::turn(*window), 0);
    QVERIFY(app.sound.played.isEmpty());
    QVERIFY(app.boxes.shown.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
