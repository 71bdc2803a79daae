// The two picture chooser windows: the list, the preview and storing the choice.
#include "testsupport.h"

#include "imagechooser/imgchange.h"
#include "platform/windows.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QTest>

using namespace trivolo;
using namespace trivolo::test;

Q_DECLARE_METATYPE(trivolo::Player)

namespace {

const QByteArray kStored("a.png\r\nb.png\r\n");

// A picture of the given size, with a mark in its top-left corner so that a shifted
// or scaled preview shows.
void make_picture(const TempAppFolder& folder, const QString& name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QPainter(&image).fillRect(0, 0, 5, 5, Qt::black);
    QVERIFY(image.save(folder.file("/images/" + name)));
}

// The images folder the tests choose from, in place of the shipped one, and both
// players' current marks.
void fill_images(const TempAppFolder& folder)
{
    QDir(folder.file("/images")).removeRecursively();
    QDir(folder.path()).mkpath("images/sub");
    make_picture(folder, "a.png", QSize(40, 30), Qt::red);
    make_picture(folder, "b.png", QSize(50, 50), Qt::green);
    make_picture(folder, "C.png", QSize(20, 20), Qt::blue);
    make_picture(folder, "big.png", QSize(300, 200), Qt::yellow);
    make_picture(folder, ".hidden.png", QSize(10, 10), Qt::gray);
    folder.write("/images/notes.txt", "not a picture\n");
    folder.write("/playerimg.txt", kStored);
}

struct Chooser {
    TestApp app{{{"/mode.txt", QByteArray("0\r\n")}, {"/sound.txt", QByteArray("False\r\n")}}};

    imgchange* open(Player player)
    {
        app.choosers.show(player);
        return app.choosers.window(player);
    }
};

QListWidget* list_of(const imgchange* window)
{
    return child<QListWidget>(window, "File1");
}

QStringList listed(const imgchange* window)
{
    QStringList names;
    for (int row = 0; row < list_of(window)->count(); ++row)
        names << list_of(window)->item(row)->text();
    return names;
}

// Clicks the entry as the user does.
void select(imgchange* window, const QString& name)
{
    QListWidget* list = list_of(window);
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(name));
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    QVERIFY(items.first()->isSelected());
}

void click(imgchange* window, const char* button)
{
    QTest::mouseClick(child(window, button), Qt::LeftButton);
}

// The part of a picture file the preview can show: its top-left corner, unscaled.
QImage visible_part(const TempAppFolder& folder, const QString& name, const imgchange* window)
{
    const QImage whole = picture_file(folder.file("/images/" + name));
    const QSize inside = child(window, "playerpic")->contentsRect().size();
    return whole.copy(QRect(QPoint(0, 0), inside).intersected(whole.rect()));
}

QImage preview_of(const imgchange* window)
{
    return picture_of(child(window, "playerpic"));
}

QString player_name(Player player)
{
    return player == Player::Player1 ? "Player1" : "Player2";
}

}  // namespace

class TestImageChooser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup() { TestApp::settle(); }

    void window_follows_its_player_data();
    void window_follows_its_player();
    void opening_lists_the_folder_and_previews_the_mark_data();
    void opening_lists_the_folder_and_previews_the_mark();
    void ok_stores_the_last_selection_data();
    void ok_stores_the_last_selection();
    void leaving_without_ok_changes_nothing_data();
    void leaving_without_ok_changes_nothing();
    void both_choosers_keep_both_choices_data();
    void both_choosers_keep_both_choices();
    void a_file_that_is_no_picture_is_not_taken_data();
    void a_file_that_is_no_picture_is_not_taken();
    void missing_folder_or_names_open_an_empty_chooser_data();
    void missing_folder_or_names_open_an_empty_chooser();
    void refused_write_keeps_the_chooser_open();
    void showing_an_open_chooser_only_raises_it();
    void choosers_live_beside_the_main_window();
};

void TestImageChooser::window_follows_its_player_data()
{
    QTest::addColumn<Player>("player");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("list_left");
    QTest::addColumn<int>("preview_left");
    QTest::addColumn<int>("buttons_left");
    QTest::addColumn<QStringList>("tab_order");

    QTest::newRow("Player1") << Player::Player1 << "imgchange" << "Change Player1 Image (Trivolo )" << QSize(329, 322)
                             << 16 << 192 << 200 << QStringList{"File1", "playerpic", "Command1", "Command2"};
    QTest::newRow("Player2") << Player::Player2 << "imgchange2" << "Change Player2 Image (Trivolo )" << QSize(314, 309)
                             << 8 << 184 << 192 << QStringList{"Command2", "Command1", "playerpic", "File1"};
}

void TestImageChooser::window_follows_its_player()
{
    QFETCH(Player, player);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(int, list_left);
    QFETCH(int, preview_left);
    QFETCH(int, buttons_left);
    QFETCH(QStringList, tab_order);

    Chooser chooser;
    fill_images(chooser.app.folder);
    imgchange* window = chooser.open(player);
    QVERIFY(window);

    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!window->windowIcon().isNull());

    QCOMPARE(child(window, "File1")->geometry(), QRect(list_left, 24, 161, 262));
    QCOMPARE(child(window, "playerpic")->geometry(), QRect(preview_left, 24, 120, 121));
    QCOMPARE(child(window, "Label1")->geometry(), QRect(buttons_left, 160, 97, 33));
    QCOMPARE(child(window, "Command1")->geometry(), QRect(buttons_left, 200, 105, 33));
    QCOMPARE(child(window, "Command2")->geometry(), QRect(buttons_left, 256, 105, 33));
    QCOMPARE(child(window, "File1")->font().pointSizeF(), 9.75);

    // The keyboard visits the controls in the player's own order, from the first one.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (qsizetype step = 1; step < tab_order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, tab_order);
}

void TestImageChooser::opening_lists_the_folder_and_previews_the_mark_data()
{
    QTest::addColumn<Player>("player");
    QTest::addColumn<QString>("mark");
    QTest::newRow("Player1") << Player::Player1 << "a.png";
    QTest::newRow("Player2") << Player::Player2 << "b.png";
}

void TestImageChooser::opening_lists_the_folder_and_previews_the_mark()
{
    QFETCH(Player, player);
    QFETCH(QString, mark);

    Chooser chooser;
    fill_images(chooser.app.folder);
    imgchange* window = chooser.open(player);

    // Every plain file, pictures or not; no folders, no hidden files.
    QCOMPARE(listed(window), QStringList({"a.png", "b.png", "big.png", "C.png", "notes.txt"}));
    QVERIFY(list_of(window)->selectedItems().isEmpty());
    QCOMPARE(preview_of(window), visible_part(chooser.app.folder, mark, window));
    QCOMPARE(chooser.app.folder.read("/playerimg.txt"), kStored);
    QVERIFY(chooser.app.boxes.shown.isEmpty());
}

void TestImageChooser::ok_stores_the_last_selection_data()
{
    QTest::addColumn<Player>("player");
    QTest::addColumn<QStringList>("selections");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("Player1 one") << Player::Player1 << QStringList{"C.png"} << QByteArray("C.png\r\nb.png\r\n");
    QTest::newRow("Player1 several") << Player::Player1 << QStringList{"C.png", "big.png", "b.png"}
                                     << QByteArray("b.png\r\nb.png\r\n");
    QTest::newRow("Player1 none") << Player::Player1 << QStringList{} << kStored;
    QTest::newRow("Player2 one") << Player::Player2 << QStringList{"big.png"} << QByteArray("a.png\r\nbig.png\r\n");
    QTest::newRow("Player2 several") << Player::Player2 << QStringList{"a.png", "C.png"}
                                     << QByteArray("a.png\r\nC.png\r\n");
    QTest::newRow("Player2 none") << Player::Player2 << QStringList{} << kStored;
}

void TestImageChooser::ok_stores_the_last_selection()
{
    QFETCH(Player, player);
    QFETCH(QStringList, selections);
    QFETCH(QByteArray, stored);

    Chooser chooser;
    const TempAppFolder& folder = chooser.app.folder;
    fill_images(folder);
    folder.write("/playerimg.txt", kStored + "left over\r\n");
    imgchange* window = chooser.open(player);
    for (const QString& name : selections) {
        select(window, name);
        QCOMPARE(preview_of(window), visible_part(folder, name, window));
    }
    click(window, "Command1");
    TestApp::settle();

    QCOMPARE(folder.read("/playerimg.txt"), stored);
    QCOMPARE(chooser.app.boxes.shown.size(), 1);
    const ShownBox box = chooser.app.boxes.shown[0];
    QCOMPARE(box.prompt, player_name(player) + " Image Changed. It Will Be Activated From Next Game");
    QCOMPARE(box.title, "Image Change Confirmation");
    QCOMPARE(box.buttons, int(OkOnly));
    QVERIFY(!chooser.app.choosers.window(player));
}

void TestImageChooser::leaving_without_ok_changes_nothing_data()
{
    QTest::addColumn<Player>("player");
    QTest::addColumn<bool>("by_cancel");  // else by the title bar's close button
    QTest::newRow("Player1 Cancel") << Player::Player1 << true;
    QTest::newRow("Player1 closed") << Player::Player1 << false;
    QTest::newRow("Player2 Cancel") << Player::Player2 << true;
    QTest::newRow("Player2 closed") << Player::Player2 << false;
}

void TestImageChooser::leaving_without_ok_changes_nothing()
{
    QFETCH(Player, player);
    QFETCH(bool, by_cancel);

    Chooser chooser;
    fill_images(chooser.app.folder);
    imgchange* window = chooser.open(player);
    select(window, "big.png");
    if (by_cancel)
        click(window, "Command2");
    else
        QVERIFY(window->close());
    TestApp::settle();

    QVERIFY(!chooser.app.choosers.window(player));
    QCOMPARE(chooser.app.folder.read("/playerimg.txt"), kStored);
    QVERIFY(chooser.app.boxes.shown.isEmpty());

    // The next opening starts again from the file.
    window = chooser.open(player);
    QVERIFY(list_of(window)->selectedItems().isEmpty());
    QCOMPARE(preview_of(window),
             visible_part(chooser.app.folder, player == Player::Player1 ? "a.png" : "b.png", window));
}

void TestImageChooser::both_choosers_keep_both_choices_data()
{
    QTest::addColumn<bool>("player1_first");
    QTest::newRow("Player1's OK first") << true;
    QTest::newRow("Player2's OK first") << false;
}

void TestImageChooser::both_choosers_keep_both_choices()
{
    QFETCH(bool, player1_first);

    Chooser chooser;
    fill_images(chooser.app.folder);
    imgchange* first = chooser.open(Player::Player1);
    imgchange* second = chooser.open(Player::Player2);
    QVERIFY(first != second);
    select(first, "C.png");
    select(second, "big.png");
    if (!player1_first)
        std::swap(first, second);

    click(first, "Command1");
    click(second, "Command1");
    TestApp::settle();

    QCOMPARE(chooser.app.folder.read("/playerimg.txt"), QByteArray("C.png\r\nbig.png\r\n"));
    QCOMPARE(chooser.app.boxes.shown.size(), 2);
}

void TestImageChooser::a_file_that_is_no_picture_is_not_taken_data()
{
    QTest::addColumn<Player>("player");
    QTest::addColumn<QString>("picture_before");  // selected before the file that is none
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("Player1") << Player::Player1 << "" << kStored;
    QTest::newRow("Player1 after a picture") << Player::Player1 << "C.png" << QByteArray("C.png\r\nb.png\r\n");
    QTest::newRow("Player2 after a picture") << Player::Player2 << "C.png" << QByteArray("a.png\r\nC.png\r\n");
}

void TestImageChooser::a_file_that_is_no_picture_is_not_taken()
{
    QFETCH(Player, player);
    QFETCH(QString, picture_before);
    QFETCH(QByteArray, stored);

    Chooser chooser;
    fill_images(chooser.app.folder);
    imgchange* window = chooser.open(player);
    if (!picture_before.isEmpty())
        select(window, picture_before);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load picture .*notes\\.txt"));
    select(window, "notes.txt");

    QVERIFY(preview_of(window).isNull());
    QVERIFY(child<QLabel>(window, "playerpic")->text().contains("not a picture", Qt::CaseInsensitive));
    click(window, "Command1");
    TestApp::settle();
    QCOMPARE(chooser.app.folder.read("/playerimg.txt"), stored);
}

void TestImageChooser::missing_folder_or_names_open_an_empty_chooser_data()
{
    QTest::addColumn<bool>("images_missing");
    QTest::addColumn<bool>("names_missing");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QByteArray>("stored");

    const QStringList all{"a.png", "b.png", "big.png", "C.png", "notes.txt"};
    QTest::newRow("no images folder") << true << false << QStringList{} << kStored;
    QTest::newRow("no playerimg.txt") << false << true << all << QByteArray("C.png\r\n\r\n");
    QTest::newRow("neither") << true << true << QStringList{} << QByteArray("\r\n\r\n");
}

void TestImageChooser::missing_folder_or_names_open_an_empty_chooser()
{
    QFETCH(bool, images_missing);
    QFETCH(bool, names_missing);
    QFETCH(QStringList, list);
    QFETCH(QByteArray, stored);

    Chooser chooser;
    const TempAppFolder& folder = chooser.app.folder;
    fill_images(folder);
    if (images_missing)
        QVERIFY(QDir(folder.file("/images")).removeRecursively());
    if (names_missing)
        folder.remove("/playerimg.txt");

    imgchange* window = chooser.open(Player::Player1);
    QVERIFY(window && window->isVisible());
    QCOMPARE(listed(window), list);
    if (names_missing || images_missing)
        QVERIFY(preview_of(window).isNull());
    if (!list.isEmpty())
        select(window, "C.png");
    click(window, "Command1");
    TestApp::settle();
    QCOMPARE(folder.read("/playerimg.txt"), stored);
}

void TestImageChooser::refused_write_keeps_the_chooser_open()
{
    Chooser chooser;
    const TempAppFolder& folder = chooser.app.folder;
    fill_images(folder);
    imgchange* window = chooser.open(Player::Player2);
    select(window, "C.png");
    {
        RefusedWrites full_disk;
        click(window, "Command1");
    }
    TestApp::settle();

    QCOMPARE(chooser.app.boxes.shown.size(), 1);
    const QString prompt = chooser.app.boxes.shown[0].prompt;
    QVERIFY2(prompt.contains(folder.file("/playerimg.txt")), qPrintable(prompt));
    QVERIFY(!prompt.contains("Image Changed"));
    QCOMPARE(folder.read("/playerimg.txt"), kStored);
    QCOMPARE(chooser.app.choosers.window(Player::Player2), window);
    QVERIFY(window->isVisible());

    // Once the disk takes the file again, the same choice goes through.
    click(window, "Command1");
    TestApp::settle();
    QCOMPARE(folder.read("/playerimg.txt"), QByteArray("a.png\r\nC.png\r\n"));
    QVERIFY(!chooser.app.choosers.window(Player::Player2));
}

void TestImageChooser::showing_an_open_chooser_only_raises_it()
{
    Chooser chooser;
    const TempAppFolder& folder = chooser.app.folder;
    fill_images(folder);
    imgchange* window = chooser.open(Player::Player1);
    select(window, "big.png");
    make_picture(folder, "new.png", QSize(10, 10), Qt::white);
    folder.write("/playerimg.txt", "b.png\r\nb.png\r\n");

    window->setWindowState(Qt::WindowMinimized);

    // From the main window, as the user opens it.
    trigger(chooser.app.window(), "playerimg1");

    QCOMPARE(chooser.app.choosers.window(Player::Player1), window);
    QVERIFY(!(window->windowState() & Qt::WindowMinimized));
    QVERIFY(!listed(window).contains("new.png"));
    QCOMPARE(list_of(window)->selectedItems().first()->text(), "big.png");
    QCOMPARE(preview_of(window), visible_part(folder, "big.png", window));
    click(window, "Command1");
    TestApp::settle();
    QCOMPARE(folder.read("/playerimg.txt"), QByteArray("big.png\r\nb.png\r\n"));
}

void TestImageChooser::choosers_live_beside_the_main_window()
{
    Chooser chooser;
    fill_images(chooser.app.folder);
    trigger(chooser.app.window(), "playerimg1");
    trigger(chooser.app.window(), "playerimg2");
    imgchange* first = chooser.app.choosers.window(Player::Player1);
    imgchange* second = chooser.app.choosers.window(Player::Player2);
    QVERIFY(first && second);
    QCOMPARE(first->player(), Player::Player1);
    QCOMPARE(second->player(), Player::Player2);

    for (imgchange* window : {first, second}) {
        QVERIFY(window->isWindow());
        QVERIFY(!window->parentWidget());
        QCOMPARE(window->windowModality(), Qt::NonModal);
    }
    QVERIFY(chooser.app.window()->isEnabled());

    // A game can start and end while they are open; they stay with their selection.
    select(first, "C.png");
    trigger(chooser.app.window(), "ngame");
    chooser.app.owner.reload();
    TestApp::settle();
    QCOMPARE(chooser.app.choosers.window(Player::Player1), first);
    QCOMPARE(chooser.app.choosers.window(Player::Player2), second);
    QVERIFY(first->isVisible() && second->isVisible());
    QCOMPARE(list_of(first)->selectedItems().first()->text(), "C.png");
}

QTEST_MAIN(TestImageChooser)
#include "test_imagechooser.moc"
