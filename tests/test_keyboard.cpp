// The board played from the keyboard, and what a screen reader reads of the window.
#include "testsupport.h"

#include <QAccessible>
#include <QTest>

using namespace trivolo::test;

static void play(const TestApp& app, const QString& cells, int input)  // every second cell from the keypad
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int to = cells[i].digitValue() - 1;
        const QList<Qt::Key> arrows = QList{Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left}
                + QList<Qt::Key>(to % 3, Qt::Key_Right) + QList<Qt::Key>(to / 3, Qt::Key_Down)
            << (i % 2 ? Qt::Key_Return : Qt::Key_Space);
        for (const Qt::Key key : input == 2 ? arrows : QList{Qt::Key(Qt::Key_1 + to)})
            input ? QTest::keyClick(app.window()->focusWidget(), key, i % 2 ? Qt::KeypadModifier : Qt::NoModifier)
                  : click_cells(app, cells.mid(i, 1));
    }
}

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void keys_play_as_clicks()
    {
        for (const auto& [mode, cells, read] :  // the mode, the cells to mark, some names read at the end
             {std::tuple{"0\r\n", "134", "Cell 5, centre: Computer|Cell 9, bottom right: empty|Now Player1"},
              {"1\r\n", "123584697", "Cell 2, top centre: Player2|Result: Match Drawn|Player1 versus Player2"}}) {
            QList<QStringList> outcomes;
            for (const int input : {0, 1, 2}) {  // clicks, digits, arrows from the corner and Space or Return
                TestApp app({{"/mode.txt", mode}, {"/sound.txt", "true\r\n"}});
                QPointer<trivolo::main> window = app.window();
                play(app, "123456789", input);  // no game yet: nothing happens, as the clicks show
                trigger(window, "ngame");
                QTest::keySequence(window->focusWidget(), QKeySequence("Ctrl+9, Alt+9, Meta+9"));  // no marks
                play(app, cells, input);
                outcomes << (app.sounds() << app.boxes.shown.value(0).prompt);
                for (QLabel* box : window->findChildren<QLabel*>())  // the cells, the side panel, the result
                    outcomes.last() << QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
            }
            QCOMPARE(outcomes, QList<QStringList>(3, outcomes[0]));
            for (const QString& name : QString(read).split('|'))
                QVERIFY2(outcomes[0].contains(name), qPrintable(name));
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
