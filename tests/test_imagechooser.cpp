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
const QByteArray kBefore = kStored + "left over\r\n";
const QStringList kListed{"a.png", "b.png", "big.png", "C.png", "notes.txt"};

// A chooser's selections and how it is left, and what playerimg.txt then holds.
// The leaving is by "Command1" (OK), "Command2" (Cancel) or "close" (the title bar's button).
struct Leaving {
    Player player;
    QStringList selections;  // clicked in turn
    QByteArray stored;
    QString leave = "Command1";
    bool no_images = false, no_names = false;  // the images folder, playerimg.txt is missing
};

// The player's mark as playerimg.txt holds it.
QString mark_in(const QByteArray& stored, Player player)
{
    return QString::fromLatin1(stored.split('\n').value(player == Player::Player1 ? 0 : 1).trimmed());
}

// A picture with a mark in its top-left corner, so that a shifted or scaled preview shows.
void make_picture(const TempAppFolder& folder, const QString& name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QPainter(&image).fillRect(0, 0, 5, 5, Qt::black);
    QVERIFY(image.save(folder.file("/images/" + name)));
}

// The program with its own images folder, in place of the shipped one, and both players' marks.
struct Chooser {
    TestApp app{{{"/mode.txt", QByteArray("0\r\n")}, {"/sound.txt", QByteArray("False\r\n")}}};
    const TempAppFolder& folder = app.folder;

    Chooser()
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

    imgchange* open(Player player)
    {
        app.choosers.show(player);
        return app.choosers.window(player);
    }

    // The part of a picture file the preview can show: its top-left corner, unscaled.
    QImage visible_part(const QString& name, const imgchange* window) const
    {
        const QImage whole = picture_file(folder.file("/images/" + name));
        const QSize inside = child(window, "playerpic")->contentsRect().size();
        return whole.copy(QRect(QPoint(0, 0), inside).intersected(whole.rect()));
    }
};

QStringList listed(const imgchange* window)
{
    const QListWidget* list = child<QListWidget>(window, "File1");
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

QString selected(const imgchange* window)
{
    const QList<QListWidgetItem*> items = child<QListWidget>(window, "File1")->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

// Clicks the entry as the user does.
void select(imgchange* window, const QString& name)
{
    QListWidget* list = child<QListWidget>(window, "File1");
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(name));
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    QVERIFY(items.first()->isSelected());
}

QImage preview_of(const imgchange* window)
{
    return picture_of(child(window, "playerpic"));
}

}  // namespace

Q_DECLARE_METATYPE(Leaving)

class TestImageChooser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup() { TestApp::settle(); }

    void window_follows_its_player_data();
    void window_follows_its_player();
    void choice_is_stored_only_by_ok_data();
    void choice_is_stored_only_by_ok();
    void both_choosers_keep_both_choices_data();
    void both_choosers_keep_both_choices();
    void interrupted_chooser_keeps_its_selection_data();
    void interrupted_chooser_keeps_its_selection();
};

void TestImageChooser::window_follows_its_player_data()
{
    QTest::addColumn<Player>("player");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("tab_order");  // from the first control the keyboard visits

    QTest::newRow("Player1") << Player::Player1 << "Change Player1 Image (Trivolo )"
                             << QStringList{"File1", "playerpic", "Command1", "Command2"};
    QTest::newRow("Player2") << Player::Player2 << "Change Player2 Image (Trivolo )"
                             << QStringList{"Command2", "Command1", "playerpic", "File1"};
}

void TestImageChooser::window_follows_its_player()
{
    QFETCH(Player, player);
    QFETCH(QString, caption);
    QFETCH(QStringList, tab_order);

    Chooser chooser;
    imgchange* window = chooser.open(player);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), caption);
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QStringList order{QApplication::focusWidget()->objectName()};
    while (order.size() < tab_order.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, tab_order);
}

void TestImageChooser::choice_is_stored_only_by_ok_data()
{
    QTest::addColumn<Leaving>("row");

    const Player one = Player::Player1, two = Player::Player2;
    QTest::newRow("1 OK one") << Leaving{one, {"C.png"}, "C.png\r\nb.png\r\n"};
    QTest::newRow("1 OK last of several") << Leaving{one, {"C.png", "big.png", "b.png"}, "b.png\r\nb.png\r\n"};
    QTest::newRow("1 OK none") << Leaving{one, {}, kStored};
    QTest::newRow("2 OK one") << Leaving{two, {"big.png"}, "a.png\r\nbig.png\r\n"};
    QTest::newRow("2 OK last of several") << Leaving{two, {"a.png", "C.png"}, "a.png\r\nC.png\r\n"};
    QTest::newRow("2 OK none") << Leaving{two, {}, kStored};
    // A file that is no picture is not taken; the picture before it still is.
    QTest::newRow("1 OK no picture") << Leaving{one, {"notes.txt"}, kStored};
    QTest::newRow("1 OK picture, no picture") << Leaving{one, {"C.png", "notes.txt"}, "C.png\r\nb.png\r\n"};
    QTest::newRow("2 OK picture, no picture") << Leaving{two, {"C.png", "notes.txt"}, "a.png\r\nC.png\r\n"};
    QTest::newRow("1 Cancel") << Leaving{one, {"big.png"}, kBefore, "Command2"};
    QTest::newRow("1 closed") << Leaving{one, {"big.png"}, kBefore, "close"};
    QTest::newRow("2 Cancel") << Leaving{two, {"big.png"}, kBefore, "Command2"};
    QTest::newRow("2 closed") << Leaving{two, {"big.png"}, kBefore, "close"};
    // Missing files open an empty chooser.
    QTest::newRow("no images folder") << Leaving{one, {}, kStored, "Command1", true, false};
    QTest::newRow("no playerimg.txt") << Leaving{one, {"C.png"}, "C.png\r\n\r\n", "Command1", false, true};
    QTest::newRow("neither") << Leaving{one, {}, "\r\n\r\n", "Command1", true, true};
}

void TestImageChooser::choice_is_stored_only_by_ok()
{
    QFETCH(Leaving, row);

    Chooser chooser;
    chooser.folder.write("/playerimg.txt", kBefore);
    if (row.no_images)
        QVERIFY(QDir(chooser.folder.file("/images")).removeRecursively());
    if (row.no_names)
        chooser.folder.remove("/playerimg.txt");
    imgchange* window = chooser.open(row.player);
    QVERIFY(window && window->isVisible());

    // Every plain file, pictures or not; no folders, no hidden files; the player's mark shown.
    QCOMPARE(listed(window), row.no_images ? QStringList() : kListed);
    QCOMPARE(selected(window), QString());
    QCOMPARE(preview_of(window), chooser.visible_part(mark_in(row.no_names ? "" : kBefore, row.player), window));
    QVERIFY(chooser.app.boxes.shown.isEmpty());

    for (const QString& name : row.selections) {
        const bool picture = name.endsWith(".png");
        if (!picture)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load picture .*notes\\.txt"));
        select(window, name);
        QCOMPARE(preview_of(window), picture ? chooser.visible_part(name, window) : QImage());
        QCOMPARE(child<QLabel>(window, "playerpic")->text().contains("not a picture", Qt::CaseInsensitive), !picture);
    }
    if (row.leave == "close")
        QVERIFY(window->close());
    else
        QTest::mouseClick(child(window, qPrintable(row.leave)), Qt::LeftButton);
    TestApp::settle();

    QCOMPARE(chooser.folder.read("/playerimg.txt"), row.stored);
    QVERIFY(!chooser.app.choosers.window(row.player));
    const QString who = row.player == Player::Player1 ? "Player1" : "Player2";
    const QList<ShownBox> confirmed{
        {who + " Image Changed. It Will Be Activated From Next Game", int(OkOnly), "Image Change Confirmation"}};
    QCOMPARE(chooser.app.boxes.shown, row.leave == "Command1" ? confirmed : QList<ShownBox>{});

    // The next opening starts again from the file.
    window = chooser.open(row.player);
    QCOMPARE(selected(window), QString());
    QCOMPARE(preview_of(window), chooser.visible_part(mark_in(row.stored, row.player), window));
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

    // Opened from the main window, they live beside it and beside each other.
    Chooser chooser;
    main* main_window = chooser.app.window();
    trigger(main_window, "playerimg1");
    trigger(main_window, "playerimg2");
    imgchange* first = chooser.app.choosers.window(Player::Player1);
    imgchange* second = chooser.app.choosers.window(Player::Player2);
    QVERIFY(first && second && first != second);
    QVERIFY(main_window->isEnabled());
    for (imgchange* window : {first, second})
        QVERIFY(window->isWindow() && !window->parentWidget() && window->windowModality() == Qt::NonModal);

    // A game can start and end while they are open; they stay with their selection.
    select(first, "C.png");
    select(second, "big.png");
    trigger(main_window, "ngame");
    chooser.app.owner.reload();
    TestApp::settle();
    QCOMPARE(chooser.app.choosers.window(Player::Player1), first);
    QCOMPARE(chooser.app.choosers.window(Player::Player2), second);
    QVERIFY(first->isVisible() && second->isVisible());
    QCOMPARE(selected(first), "C.png");

    if (!player1_first)
        std::swap(first, second);
    QTest::mouseClick(child(first, "Command1"), Qt::LeftButton);
    QTest::mouseClick(child(second, "Command1"), Qt::LeftButton);
    TestApp::settle();
    QCOMPARE(chooser.folder.read("/playerimg.txt"), QByteArray("C.png\r\nbig.png\r\n"));
    QCOMPARE(chooser.app.boxes.shown.size(), 2);
}

void TestImageChooser::interrupted_chooser_keeps_its_selection_data()
{
    QTest::addColumn<Player>("player");
    QTest::addColumn<bool>("refused");  // else shown again, minimized, after the files changed
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("1 write refused") << Player::Player1 << true << QByteArray("C.png\r\nb.png\r\n");
    QTest::newRow("2 write refused") << Player::Player2 << true << QByteArray("a.png\r\nC.png\r\n");
    QTest::newRow("1 shown again") << Player::Player1 << false << QByteArray("C.png\r\nb.png\r\n");
    QTest::newRow("2 shown again") << Player::Player2 << false << QByteArray("b.png\r\nC.png\r\n");
}

void TestImageChooser::interrupted_chooser_keeps_its_selection()
{
    QFETCH(Player, player);
    QFETCH(bool, refused);
    QFETCH(QByteArray, stored);

    Chooser chooser;
    imgchange* window = chooser.open(player);
    select(window, "C.png");
    if (refused) {
        RefusedWrites full_disk;
        QTest::mouseClick(child(window, "Command1"), Qt::LeftButton);
    } else {
        make_picture(chooser.folder, "new.png", QSize(10, 10), Qt::white);
        chooser.folder.write("/playerimg.txt", "b.png\r\nb.png\r\n");
        window->setWindowState(Qt::WindowMinimized);
        trigger(chooser.app.window(), player == Player::Player1 ? "playerimg1" : "playerimg2");
    }
    TestApp::settle();

    QCOMPARE(chooser.app.choosers.window(player), window);
    QVERIFY(window->isVisible() && !(window->windowState() & Qt::WindowMinimized));
    QCOMPARE(listed(window), kListed);
    QCOMPARE(selected(window), "C.png");
    QCOMPARE(preview_of(window), chooser.visible_part("C.png", window));
    QCOMPARE(chooser.app.boxes.shown.size(), refused ? 1 : 0);
    if (refused) {
        const QString prompt = chooser.app.boxes.shown[0].prompt;
        QVERIFY2(prompt.contains(chooser.folder.file("/playerimg.txt")) && !prompt.contains("Image Changed"),
                 qPrintable(prompt));
        QCOMPARE(chooser.folder.read("/playerimg.txt"), kStored);
    }

    // OK, with the disk taking the file again, stores the kept choice.
    QTest::mouseClick(child(window, "Command1"), Qt::LeftButton);
    TestApp::settle();
    QCOMPARE(chooser.folder.read("/playerimg.txt"), stored);
    QVERIFY(!chooser.app.choosers.window(player));
}

QTEST_MAIN(TestImageChooser)
#include "test_imagechooser.moc"
