// The settings files: formats, line ends, missing and extra lines, refused writes.
#include "testsupport.h"

#include "settings/settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include <unistd.h>

using namespace trivolo;
using namespace trivolo::test;

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void app_file_appends_the_relative_name();
    void reads_lines_up_to_their_end_data();
    void reads_lines_up_to_their_end();
    void missing_file_reads_as_empty_lines();
    void huge_file_is_read_no_further_than_a_sane_length();
    void writes_each_value_with_cr_lf_data();
    void writes_each_value_with_cr_lf();
    void extra_lines_are_dropped_by_the_next_write();
    void write_replaces_the_file_rather_than_rewriting_it();
    void refused_write_keeps_the_old_file();
    void write_into_a_missing_folder_is_reported();
    void bare_file_names_data();
    void bare_file_names();
};

void TestSettings::app_file_appends_the_relative_name()
{
    QCOMPARE(settings::app_file("/sound.txt"), QCoreApplication::applicationDirPath() + "/sound.txt");
    TempAppFolder folder;
    QCOMPARE(settings::app_file("/sounds/start.wav"), folder.path() + "/sounds/start.wav");
    QCOMPARE(settings::image_file("ring.gif"), folder.path() + "/images/ring.gif");
}

void TestSettings::reads_lines_up_to_their_end_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("CR LF") << QByteArray("true\r\nFalse\r\n") << "true" << "False";
    QTest::newRow("LF") << QByteArray("true\nFalse\n") << "true" << "False";
    QTest::newRow("no line end") << QByteArray("true") << "true" << "";
    QTest::newRow("second line unterminated") << QByteArray("a.gif\r\nb.gif") << "a.gif" << "b.gif";
    QTest::newRow("extra lines ignored") << QByteArray("1\r\n2\r\n3\r\n") << "1" << "2";
    QTest::newRow("kept exactly") << QByteArray(" True \r\n\tx\r\n") << " True " << "\tx";
    QTest::newRow("empty first line") << QByteArray("\r\nsecond\r\n") << "" << "second";
    QTest::newRow("empty file") << QByteArray() << "" << "";
    QTest::newRow("one line only") << QByteArray("cross.gif\r\n") << "cross.gif" << "";
    QTest::newRow("UTF-8 name") << QByteArray("k\xc3\xa4" "fer.gif\r\n") << QString::fromUtf8("k\xc3\xa4" "fer.gif") << "";
}

void TestSettings::reads_lines_up_to_their_end()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, first);
    QFETCH(QString, second);
    TempAppFolder folder;
    folder.write("/playerimg.txt", contents);

    QCOMPARE(settings::read_first_line("/playerimg.txt"), first);
    QCOMPARE(settings::read_first_two_lines("/playerimg.txt"), QStringList({first, second}));
}

void TestSettings::missing_file_reads_as_empty_lines()
{
    TempAppFolder folder;
    folder.remove("/mode.txt");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read .*/mode\\.txt"));
    QCOMPARE(settings::read_first_line("/mode.txt"), QString());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read .*/nothing\\.txt"));
    QCOMPARE(settings::read_first_two_lines("/nothing.txt"), QStringList({"", ""}));
}

void TestSettings::huge_file_is_read_no_further_than_a_sane_length()
{
    TempAppFolder folder;
    folder.write("/sound.txt", QByteArray(8 * 1024 * 1024, 'x') + "\r\nsecond\r\n");
    QVERIFY(settings::read_first_line("/sound.txt").size() <= 4096);

    QByteArray binary(64 * 1024, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7);
    folder.write("/sound.txt", binary);
    QVERIFY(settings::read_first_line("/sound.txt") != QLatin1String("true"));
}

void TestSettings::writes_each_value_with_cr_lf_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("sound off") << QStringList{"False"} << QByteArray("False\r\n");
    QTest::newRow("sound on") << QStringList{"true"} << QByteArray("true\r\n");
    QTest::newRow("two pictures") << QStringList{"cross.gif", "ring.gif"} << QByteArray("cross.gif\r\nring.gif\r\n");
    QTest::newRow("empty value") << QStringList{"", "ring.gif"} << QByteArray("\r\nring.gif\r\n");
}

void TestSettings::writes_each_value_with_cr_lf()
{
    QFETCH(QStringList, values);
    QFETCH(QByteArray, expected);
    TempAppFolder folder;

    QVERIFY(settings::write_lines("/new.txt", values).ok);
    QCOMPARE(folder.read("/new.txt"), expected);
    QCOMPARE(settings::read_first_two_lines("/new.txt").mid(0, values.size()), values);
}

void TestSettings::extra_lines_are_dropped_by_the_next_write()
{
    TempAppFolder folder;
    folder.write("/mode.txt", "0\r\nleft over\r\nmore\r\n");
    QVERIFY(settings::write_lines("/mode.txt", {"1"}).ok);
    QCOMPARE(folder.read("/mode.txt"), QByteArray("1\r\n"));
}

void TestSettings::write_replaces_the_file_rather_than_rewriting_it()
{
    // A second name for the old file still shows the old contents afterwards: the new
    // contents went to a new file that took the name in one step.
    TempAppFolder folder;
    folder.write("/sound.txt", "true\r\n");
    QCOMPARE(::link(qPrintable(folder.file("/sound.txt")), qPrintable(folder.file("/old.txt"))), 0);

    QVERIFY(settings::write_lines("/sound.txt", {"False"}).ok);
    QCOMPARE(folder.read("/sound.txt"), QByteArray("False\r\n"));
    QCOMPARE(folder.read("/old.txt"), QByteArray("true\r\n"));
}

void TestSettings::refused_write_keeps_the_old_file()
{
    TempAppFolder folder;
    folder.write("/sound.txt", "true\r\n");
    settings::WriteResult result;
    {
        RefusedWrites full_disk;
        result = settings::write_lines("/sound.txt", {"False"});
    }
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(folder.file("/sound.txt")), qPrintable(result.error));
    QCOMPARE(folder.read("/sound.txt"), QByteArray("true\r\n"));
    QCOMPARE(QDir(folder.path()).entryList({"sound.txt*"}, QDir::Files), QStringList{"sound.txt"});
}

void TestSettings::write_into_a_missing_folder_is_reported()
{
    TempAppFolder folder;
    settings::set_app_folder(folder.path() + "/gone");
    const settings::WriteResult result = settings::write_lines("/menu.txt", {"false"});
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(folder.path() + "/gone/menu.txt"));
    QVERIFY(result.error.size() > QString(folder.path() + "/gone/menu.txt").size() + 16);
}

void TestSettings::bare_file_names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("bare");

    QTest::newRow("plain") << "cross.gif" << true;
    QTest::newRow("blank inside") << "my mark.jpeg" << true;
    QTest::newRow("dots inside") << "a..b.gif" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("parent") << "../sound.txt" << false;
    QTest::newRow("sub-folder") << "sub/x.gif" << false;
    QTest::newRow("absolute") << "/etc/passwd" << false;
    QTest::newRow("backslash") << "..\\docs\\draw.gif" << false;
}

void TestSettings::bare_file_names()
{
    QFETCH(QString, name);
    QFETCH(bool, bare);
    QCOMPARE(settings::is_bare_file_name(name), bare);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
