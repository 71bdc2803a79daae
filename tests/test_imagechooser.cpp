// The two picture chooser windows: the list, the preview and storing the choice.
#include "testsupport.h"

#include "imagechooser/imgchange.h"

#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QTest>

#include <sys/stat.h>

using namespace trivolo;
using namespace trivolo::test;
using enum trivolo::Player;

namespace {

const QByteArray kStored("a.png\r\nb.png\r\nleft over\r\n");  // only the first two lines count

// The program with an images folder of its own; each picture is marked in its top-left corner, so that a shifted or
// scaled preview shows.
struct Chooser : TestApp {
    QMap<QString, QImage> drawn;  // by the name the list shows

    Chooser()
        : TestApp({{"/playerimg.txt", kStored}})
    {
        QDir(folder.file("/images")).removeRecursively();
        QDir(folder.path()).mkpath("images/sub");
        const QList<std::pair<QString, QSize>> pictures{{"a.png", {40, 30}},     {"b.png", {50, 50}},
                                                        {"C.png", {20, 20}},     {"big.png", {300, 200}},
                                                        {"käfer.png", {30, 60}}, {".hidden.png", {9, 9}}};
        for (const auto& [name, size] : pictures) {
            QImage& image = drawn[name] = QImage(size, QImage::Format_ARGB32);
            image.fill(Qt::yellow);
            QPainter(&image).fillRect(0, 0, 5, 5, Qt::black);
            image.save(folder.file("/images/" + name));
        }
        ::rename(QFile::encodeName(folder.file("/images/käfer.png")), latin1_file());
        folder.write("/images/notes.txt", "not a picture\n");
        folder.write("/images/a.png.trivolo-new-Xy3bZ9", "left by a copy killed half way");
    }

    ~Chooser() { ::unlink(latin1_file()); }  // Qt could not remove the folder with it inside

    QByteArray latin1_file() const { return QFile::encodeName(folder.file("/images/")) + "k\344fer.png"; }
};

// Clicks the entry as the user does.
void select(imgchange* window, const QString& name)
{
    auto* list = child<QListWidget>(window, "File1");
    QListWidgetItem* item = list->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY2(item, qPrintable(name));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

}  // namespace

class TestImageChooser : public QObject {
    Q_OBJECT

private slots:
    void choice_is_stored_only_by_ok_data()
    {
        QTest::addColumn<Player>("player");
        QTest::addColumn<QStringList>("selections");  // clicked in turn
        QTest::addColumn<QString>("leave");           // "Command1" (OK) or "Command2" (Cancel)
        QTest::addColumn<QByteArray>("stored");

        // The last picture is taken, not the file after it that is no picture; the Latin-1 name as its bytes.
        QTest::newRow("1 OK") << Player1 << QStringList{"big.png", "käfer.png", "notes.txt"} << "Command1"
                              << QByteArray("k\344fer.png\r\nb.png\r\n");
        QTest::newRow("2 OK none") << Player2 << QStringList{} << "Command1" << QByteArray("a.png\r\nb.png\r\n");
        QTest::newRow("1 Cancel") << Player1 << QStringList{"big.png"} << "Command2" << kStored;
    }

    void choice_is_stored_only_by_ok()
    {
        QFETCH(Player, player);
        QFETCH(QStringList, selections);
        QFETCH(QString, leave);
        QFETCH(QByteArray, stored);

        Chooser chooser;
        chooser.choosers.show(player);
        imgchange* window = chooser.choosers.window(player);
        // What the preview can show of a picture: its top-left corner, unscaled.
        const QRect box(QPoint(0, 0), child(window, "playerpic")->contentsRect().size());
        auto visible_part
            = [&](const QString& name) { return chooser.drawn[name].copy(box & chooser.drawn[name].rect()); };
        // Every plain file, pictures or not; no folders, no hidden files; the player's mark shown.
        QStringList listed;
        for (const QListWidgetItem* item : child<QListWidget>(window, "File1")->findItems("*", Qt::MatchWildcard))
            listed << item->text();
        QCOMPARE(listed, QStringList({"a.png", "b.png", "big.png", "C.png", "käfer.png", "notes.txt"}));
        QCOMPARE(picture_of(window, "playerpic"), visible_part(player == Player1 ? "a.png" : "b.png"));
        for (const QString& name : selections) {
            const bool picture = name.endsWith(".png");
            if (!picture)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load picture .*notes\\.txt"));
            select(window, name);
            QCOMPARE(picture_of(window, "playerpic"), picture ? visible_part(name) : QImage());
            QCOMPARE(child<QLabel>(window, "playerpic")->text(), picture ? "" : "Not a picture");
        }
        click(window, leave);
        TestApp::settle();

        QCOMPARE(chooser.folder.read("/playerimg.txt"), stored);
        QVERIFY(!chooser.choosers.window(player));
        const QList<ShownBox> confirmed{
            {QString(player == Player1 ? "Player1" : "Player2") + " Image Changed. It Will Be Activated From Next Game",
             BoxButtons::OkOnly, "Image Change Confirmation"}};
        QCOMPARE(chooser.boxes.shown, leave == "Command1" ? confirmed : QList<ShownBox>{});
    }

    void both_choosers_keep_both_choices()
    {
        // Dialogs of the lasting frame, they outlive a game and a reload; the later OK keeps the earlier one's choice.
        Chooser chooser;
        trigger(chooser.window(), "playerimg1");
        trigger(chooser.window(), "playerimg2");
        imgchange* window1 = chooser.choosers.window(Player1);
        imgchange* window2 = chooser.choosers.window(Player2);
        QVERIFY(chooser.window()->isEnabled());
        select(window1, "C.png");
        select(window2, "big.png");
        trigger(chooser.window(), "ngame");
        chooser.owner.reload();
        TestApp::settle();
        QVERIFY(window1->isVisible());
        QVERIFY(window2->isVisible());
        click(window2, "Command1");
        click(window1, "Command1");
        QCOMPARE(chooser.folder.read("/playerimg.txt"), QByteArray("C.png\r\nbig.png\r\n"));
    }

    void refuses_what_it_cannot_store_or_read()
    {
        // Line breaks cannot be stored; pipes are never waited on; the other line is kept byte for byte.
        Chooser chooser;
        ::mkfifo(qPrintable(chooser.folder.file("/images/pipe.png")), 0600);
        chooser.folder.write("/playerimg.txt", "k\xE4r.png\r\npipe.png\r\n");
        for (const QString name : {"nl\nname.png", "cr\rname.png"})
            QImage(8, 8, QImage::Format_RGB32).save(chooser.folder.file("/images/" + name));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load picture .*/pipe\\.png: not a regular file"));
        chooser.choosers.show(Player2);
        imgchange* window = chooser.choosers.window(Player2);
        for (const QString name : {"C.png", "nl\nname.png", "cr\rname.png"})
            select(window, name);
        click(window, "Command1");
        QCOMPARE(chooser.folder.read("/playerimg.txt"), QByteArray("k\xE4r.png\r\nC.png\r\n"));
        QCOMPARE(chooser.boxes.shown.size(), 3);
        QCOMPARE(chooser.boxes.shown[1].title, "Picture Not Chosen");

        // A playerimg.txt that is there but cannot be read is not written over.
        chooser.folder.remove("/playerimg.txt");
        ::mkfifo(qPrintable(chooser.folder.file("/playerimg.txt")), 0600);
        chooser.choosers.show(Player1);
        click(chooser.choosers.window(Player1), "Command1");
        QVERIFY(!QFileInfo(chooser.folder.file("/playerimg.txt")).isFile());
        QCOMPARE(chooser.boxes.shown.last().title, "Setting Not Saved");
    }
};

QTEST_MAIN(TestImageChooser)
#include "test_imagechooser.moc"
