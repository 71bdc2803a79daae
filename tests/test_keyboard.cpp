// The board played from the keyboard, and what a screen reader reads of the window.
#include "testsupport.h"

#include <QAccessible>
#include <QTest>

using namespace trivolo;
using namespace trivolo::test;

namespace {

enum class Input { Clicks, Digits, Arrows };

// Marks the cells whose digits the text holds: clicked, by digit keys (every second one
// on the keypad), or by arrows to the cell and then Space or Return.
void play(const TestApp& app, const QString& cells, Input input)
{
    if (input == Input::Clicks)
        return click_cells(app, cells);
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(app.window()->focusWidget(), Qt::Key(key), modifiers);
    };
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int to = cells[i].digitValue() - 1;
        int at = app.window()->focusWidget()->objectName().mid(1).toInt() - 1;
        if (input == Input::Digits) {
            press(Qt::Key_1 + to, i % 2 ? Qt::KeypadModifier : Qt::NoModifier);
            continue;
        }
        for (; at % 3 != to % 3; at += at % 3 < to % 3 ? 1 : -1)
            press(at % 3 < to % 3 ? Qt::Key_Right : Qt::Key_Left);
        for (; at != to; at += at < to ? 3 : -3)
            press(at < to ? Qt::Key_Down : Qt::Key_Up);
        press(i % 2 ? Qt::Key_Return : Qt::Key_Space);
    }
}

QString accessible_name(const main* window, const QString& name)
{
    return QAccessible::queryAccessibleInterface(child(window, name))->text(QAccessible::Name);
}

// What the player met: the messages, the sounds, and each cell's name and whether it shows a mark.
QStringList outcome(const TestApp& app, const main* window)
{
    QStringList seen = app.sounds();
    for (const ShownBox& box : app.boxes.shown)
        seen << box.prompt;
    for (int cell = 1; cell <= 9; ++cell)
        seen << accessible_name(window, QStringLiteral("p%1").arg(cell))
                + (cell_picture(window, cell).isNull() ? "" : "+");
    for (const char* label : {"modeshow", "modeshow1", "playerlevel", "playerpics", "wonpic"})
        seen << accessible_name(window, label);
    return seen;
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void keys_play_as_clicks_data();
    void keys_play_as_clicks();
};

void TestKeyboard::keys_play_as_clicks_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<QStringList>("read");  // some of the names read at the end

    QTest::newRow("computer wins") << QByteArray("0\r\n") << "134"
                                   << QStringList{"Cell 5, centre: Computer+",   "Cell 3, top right: Player1+",
                                                  "Cell 9, bottom right: empty", "Player1 versus Computer",
                                                  "Player2 Won The Game",        "Now Player1"};
    QTest::newRow("human wins") << QByteArray("0\r\n") << "16897"
                                << QStringList{"Cell 7, bottom left: Player1+", "Cell 4, centre left: Computer+",
                                               "Player1 Won The Game", "Mark of Computer"};
    QTest::newRow("two players, full board") << QByteArray("1\r\n") << "123584697"
                                             << QStringList{"Cell 9, bottom right: Player2+",
                                                            "Cell 2, top centre: Player2+",
                                                            "Cell 7, bottom left: Player1+",
                                                            "Player1 versus Player2",
                                                            "Match Drawn",
                                                            "Now Player2"};
}

void TestKeyboard::keys_play_as_clicks()
{
    QFETCH(QByteArray, mode);
    QFETCH(QString, cells);
    QFETCH(QStringList, read);

    QList<QStringList> outcomes;
    for (const Input input : {Input::Clicks, Input::Digits, Input::Arrows}) {
        TestApp app({{"/mode.txt", mode}, {"/sound.txt", "true\r\n"}});
        QPointer<main> window = app.window();
        play(app, "123456789", input);  // no game yet: nothing happens
        QVERIFY(app.sound.played.isEmpty() && app.boxes.shown.isEmpty() && cell_picture(window, 1).isNull());
        QCOMPARE(window->focusWidget(), child(window, "p1"));
        trigger(window, "ngame");
        QTest::keyClick(window->focusWidget(), Qt::Key_5, Qt::ControlModifier);  // not a board key
        play(app, cells, input);
        QVERIFY(window != app.window());
        QCOMPARE(app.window()->focusWidget(), child(app.window(), "p1"));
        outcomes << outcome(app, window);
    }
    QCOMPARE(outcomes[1], outcomes[0]);
    QCOMPARE(outcomes[2], outcomes[0]);
    for (const QString& name : read)
        QVERIFY2(outcomes[0].contains(name), qPrintable(name));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
