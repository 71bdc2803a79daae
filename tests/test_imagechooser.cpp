// The two picture chooser windows: the list, the preview and storing the choice.
#include "testsupport.h"

#include "imagechooser/imgchange.h"
#include "platform/windows.h"

#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QTest>

#include <sys/stat.h>

using namespace trivolo;
using namespace trivolo::test;

namespace {

const QByteArray kStored("a.png\r\nb.png\r\n");

// The program with its own images folder in place of the shipped one: pictures with a mark
// in their top-left corner (so that a shifted or scaled preview shows), one named in Latin-1
// bytes (not UTF-8), a hidden picture, a folder and a file that is no picture.
struct Chooser {
    TestApp app{{{"/playerimg.txt", kStored}}};
    QMap<QString, QImage> drawn;  // by the name the list shows

    Chooser()
    {
        QDir(app.folder.file("/images")).removeRecursively();
        QDir(app.folder.path()).mkpath("images/sub");
        const QList<std::pair<QString, QSize>> pictures{{"a.png", {40, 30}},     {"b.png", {50, 50}},
                                                        {"C.png", {20, 20}},     {"big.png", {300, 200}},
                                                        {"käfer.png", {30, 60}}, {".hidden.png", {9, 9}}};
        for (const auto& [name, size] : pictures) {
            QImage image(size, QImage::Format_ARGB32);
            image.fill(Qt::yellow);
            QPainter(&image).fillRect(0, 0, 5, 5, Qt::black);
            image.save(app.folder.file("/images/" + name));
            drawn[name] = image;
        }
        ::rename(QFile::encodeName(app.folder.file("/images/käfer.png")), latin1_file());
        app.folder.write("/images/notes.txt", "not a picture\n");
    }

    // Qt cannot list it, so the temporary folder would stay behind with it.
    ~Chooser() { ::unlink(latin1_file()); }

    // "käfer.png" in Latin-1.
    QByteArray latin1_file() const { return QFile::encodeName(app.folder.file("/images/")) + "k\344fer.png"; }

    imgchange* open(Player player)
    {
        app.choosers.show(player);
        return app.choosers.window(player);
    }

    // The part of a picture file the preview can show: its top-left corner, unscaled.
    QImage visible_part(const QString& name, const imgchange* window) const
    {
        const QImage& whole = drawn[name];
        return whole.copy(
            QRect(QPoint(0, 0), child(window, "playerpic")->contentsRect().size()).intersected(whole.rect()));
    }
};

QListWidget* list_of(const imgchange* window)
{
    return child<QListWidget>(window, "File1");
}

// Clicks the entry as the user does.
void select(imgchange* window, const QString& name)
{
    QListWidget* list = list_of(window);
    QListWidgetItem* item = list->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY2(item, qPrintable(name));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void ok(imgchange* window)
{
    QTest::mouseClick(child(window, "Command1"), Qt::LeftButton);
    TestApp::settle();
}

}  // namespace

class TestImageChooser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup() { TestApp::settle(); }
    void window_follows_its_player_data()
    {
        // clang-format off
        QTest::addColumn<Player>("player");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("keyboard_order");

        QTest::newRow("Player1") << Player::Player1 << "Change Player1 Image (Trivolo )" << QStringList{"File1", "playerpic", "Command1", "Command2"};
        QTest::newRow("Player2") << Player::Player2 << "Change Player2 Image (Trivolo )" << QStringList{"Command2", "Command1", "playerpic", "File1"};
        // clang-format on
    }

    void window_follows_its_player()
    {
        QFETCH(Player, player);
        QFETCH(QString, caption);
        QFETCH(QStringList, keyboard_order);

        Chooser chooser;
        imgchange* window = chooser.open(player);
        QCOMPARE(window->windowTitle(), caption);
        // Every plain file, pictures or not; no folders, no hidden files; the player's mark shown.
        QStringList listed;
        for (int row = 0; row < list_of(window)->count(); ++row)
            listed << list_of(window)->item(row)->text();
        QCOMPARE(listed, QStringList({"a.png", "b.png", "big.png", "C.png", "käfer.png", "notes.txt"}));
        QCOMPARE(picture_of(child(window, "playerpic")),
                 chooser.visible_part(player == Player::Player1 ? "a.png" : "b.png", window));
        QCOMPARE(tab_order(window, 4), keyboard_order);
    }

    void choice_is_stored_only_by_ok_data()
    {
        // clang-format off
        QTest::addColumn<Player>("player");
        QTest::addColumn<QStringList>("selections");  // clicked in turn
        QTest::addColumn<QString>("leave");           // "Command1" (OK), "Command2" (Cancel), "close"
        QTest::addColumn<QByteArray>("stored");

        const Player one = Player::Player1;
        const Player two = Player::Player2;
        const QByteArray before = kStored + "left over\r\n";
        QTest::newRow("1 OK last of several")
            << one << QStringList{"C.png", "big.png"} << "Command1" << QByteArray("big.png\r\nb.png\r\n");
        QTest::newRow("2 OK one") << two << QStringList{"C.png"} << "Command1" << QByteArray("a.png\r\nC.png\r\n");
        QTest::newRow("2 OK none") << two << QStringList{} << "Command1" << kStored;
        // A file that is no picture is not taken; the picture before it still is.
        QTest::newRow("1 OK picture, no picture")
            << one << QStringList{"C.png", "notes.txt"} << "Command1" << QByteArray("C.png\r\nb.png\r\n");
        QTest::newRow("1 OK Latin-1 name") << one << QStringList{"käfer.png"} << "Command1" << QByteArray("k\344fer.png\r\nb.png\r\n");
        QTest::newRow("1 Cancel") << one << QStringList{"big.png"} << "Command2" << before;
        QTest::newRow("2 closed") << two << QStringList{"big.png"} << "close" << before;
        // clang-format on
    }

    void choice_is_stored_only_by_ok()
    {
        QFETCH(Player, player);
        QFETCH(QStringList, selections);
        QFETCH(QString, leave);
        QFETCH(QByteArray, stored);

        Chooser chooser;
        chooser.app.folder.write("/playerimg.txt", kStored + "left over\r\n");
        imgchange* window = chooser.open(player);
        for (const QString& name : selections) {
            const bool picture = name.endsWith(".png");
            if (!picture)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load picture .*notes\\.txt"));
            select(window, name);
            QCOMPARE(picture_of(child(window, "playerpic")), picture ? chooser.visible_part(name, window) : QImage());
            QCOMPARE(child<QLabel>(window, "playerpic")->text(), picture ? "" : "Not a picture");
        }
        if (leave == "close")
            QVERIFY(window->close());
        else
            QTest::mouseClick(child(window, leave), Qt::LeftButton);
        TestApp::settle();

        QCOMPARE(chooser.app.folder.read("/playerimg.txt"), stored);
        QVERIFY(!chooser.app.choosers.window(player));
        const QString who = player == Player::Player1 ? "Player1" : "Player2";
        const QList<ShownBox> confirmed{{who + " Image Changed. It Will Be Activated From Next Game",
                                         BoxButtons::OkOnly, "Image Change Confirmation"}};
        QCOMPARE(chooser.app.boxes.shown, leave == "Command1" ? confirmed : QList<ShownBox>{});
        // The next game shows Player1's mark as stored.
        trigger(chooser.app.window(), "ngame");
        QCOMPARE(picture_of(child(chooser.app.window(), "playerpics")),
                 chooser.drawn[QString::fromLatin1(stored.first(stored.indexOf('\r')))]);
    }

    void both_choosers_keep_both_choices()
    {
        // Opened from the main window, they live beside it and beside each other, through a
        // game and a reload, and each OK keeps the choice the other made meanwhile.
        for (const bool player1_first : {true, false}) {
            Chooser chooser;
            trigger(chooser.app.window(), "playerimg1");
            trigger(chooser.app.window(), "playerimg2");
            imgchange* first = chooser.app.choosers.window(Player::Player1);
            imgchange* second = chooser.app.choosers.window(Player::Player2);
            QVERIFY(first && second && !first->parentWidget() && chooser.app.window()->isEnabled());
            select(first, "C.png");
            select(second, "big.png");
            trigger(chooser.app.window(), "ngame");
            chooser.app.owner.reload();
            TestApp::settle();
            QVERIFY(first->isVisible() && second->isVisible());
            if (!player1_first)
                std::swap(first, second);
            ok(first);
            ok(second);
            QCOMPARE(chooser.app.folder.read("/playerimg.txt"), QByteArray("C.png\r\nbig.png\r\n"));
        }
    }

    void refused_write_keeps_the_chooser_and_its_selection()
    {
        Chooser chooser;
        imgchange* window = chooser.open(Player::Player2);
        select(window, "C.png");
        {
            RefusedWrites full_disk;
            ok(window);
        }
        QCOMPARE(chooser.app.choosers.window(Player::Player2), window);
        QCOMPARE(chooser.app.boxes.shown.size(), 1);
        QVERIFY(chooser.app.boxes.shown[0].prompt.contains(chooser.app.folder.file("/playerimg.txt")));
        QCOMPARE(chooser.app.folder.read("/playerimg.txt"), kStored);

        // Shown again from the menu, it keeps its selection; OK then stores it.
        window->setWindowState(Qt::WindowMinimized);
        chooser.app.folder.write("/playerimg.txt", "b.png\r\nb.png\r\n");
        trigger(chooser.app.window(), "playerimg2");
        QVERIFY(window->isVisible() && !(window->windowState() & Qt::WindowMinimized));
        QCOMPARE(list_of(window)->selectedItems().value(0)->text(), "C.png");
        ok(window);
        QCOMPARE(chooser.app.folder.read("/playerimg.txt"), QByteArray("b.png\r\nC.png\r\n"));
    }

    void refuses_what_it_cannot_store_or_read()
    {
        // A name with a line break cannot be one line of playerimg.txt; a named pipe is no picture
        // and no settings file and is never waited on; the other player's line is kept byte for byte.
        Chooser chooser;
        QCOMPARE(::mkfifo(qPrintable(chooser.app.folder.file("/images/pipe.png")), 0600), 0);
        chooser.app.folder.write("/playerimg.txt", "k\xE4r.png\r\npipe.png\r\n");
        for (const QString name : {"nl\nname.png", "cr\rname.png"})
            QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(chooser.app.folder.file("/images/" + name)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load picture .*/pipe\\.png: not a regular file"));
        imgchange* window = chooser.open(Player::Player2);
        for (const QString name : {"C.png", "nl\nname.png", "cr\rname.png"})
            select(window, name);
        ok(window);
        QCOMPARE(chooser.app.folder.read("/playerimg.txt"), QByteArray("k\xE4r.png\r\nC.png\r\n"));
        QCOMPARE(chooser.app.boxes.shown.size(), 3);
        QCOMPARE(chooser.app.boxes.shown[1].title, "Picture Not Chosen");

        // A playerimg.txt that is there but cannot be read is not written over.
        chooser.app.folder.remove("/playerimg.txt");
        QCOMPARE(::mkfifo(qPrintable(chooser.app.folder.file("/playerimg.txt")), 0600), 0);
        window = chooser.open(Player::Player1);
        select(window, "C.png");
        ok(window);
        QVERIFY(!QFileInfo(chooser.app.folder.file("/playerimg.txt")).isFile());
        QCOMPARE(chooser.app.boxes.shown.last().title, "Setting Not Saved");
    }
};

QTEST_MAIN(TestImageChooser)
#include "test_imagechooser.moc"
