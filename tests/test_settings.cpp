// The settings files against real files: formats, line ends, byte-exact values, refused writes.
#include "testsupport.h"

#include "platform/files.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QTest>

#include <unistd.h>

#include <optional>

using namespace trivolo;
using namespace trivolo::test;

constexpr QLatin1StringView kFile("/playerimg.txt");

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void reads_lines_up_to_their_end_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("CR LF, a third line ignored") << QByteArray("true\r\nFalse\r\n3\r\n") << QStringList{"true", "False"};
        QTest::newRow("LF, unterminated") << QByteArray("a.gif\nb.gif") << QStringList{"a.gif", "b.gif"};
        QTest::newRow("kept exactly") << QByteArray(" True \r\n\tx\r\n") << QStringList{" True ", "\tx"};
        QTest::newRow("one line only") << QByteArray("cross.gif\r\n") << QStringList{"cross.gif", ""};
        QTest::newRow("empty file") << QByteArray() << QStringList{"", ""};
        // A byte-order mark is part of the text, not skipped: it never reads as "true".
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFtrue\r\n") << QStringList{"\u00EF\u00BB\u00BFtrue", ""};
        // clang-format on
    }

    void reads_lines_up_to_their_end()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, lines);
        TempAppFolder folder;
        folder.write(kFile, contents);
        QCOMPARE(settings::read_first_two_lines(kFile), lines);
    }

    void huge_files_are_read_no_further()
    {
        TempAppFolder folder;
        folder.write("/sound.txt", QByteArray(qsizetype{8} * 1024 * 1024, 'x') + "\r\nsecond\r\n");
        QVERIFY(settings::read_first_line(settings::kSoundFile).size() <= 4096);
    }

    void write_replaces_the_file_byte_for_byte()
    {
        // Lines in any encoding survive a rewrite as the same bytes; extra lines are dropped.
        const QByteArray before("k\344fer.gif\nk\303\244fer.gif\r\nmore\r\n");  // Latin-1, UTF-8
        TempAppFolder folder;
        folder.write(kFile, before);
        // A second name for the old file still shows the old contents afterwards: the new
        // contents went to a new file that took the name in one step.
        ::link(qPrintable(folder.file(kFile)), qPrintable(folder.file("/old.txt")));
        folder.write("/playerimg.txt.trivolo-new-Xy3bZ9", "left by a write killed half way");
        folder.write("/playerimg.txt.backup", "the player's own");

        QVERIFY(settings::write_lines(kFile, settings::read_first_two_lines(kFile)).ok());
        QCOMPARE(folder.read(kFile), QByteArray("k\344fer.gif\r\nk\303\244fer.gif\r\n"));
        QCOMPARE(folder.read("/old.txt"), before);
        QCOMPARE(QDir(folder.path()).entryList({"playerimg.txt*"}),
                 QStringList({"playerimg.txt", "playerimg.txt.backup"}));
    }

    void image_names_stay_inside_the_images_folder_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bare");

        QTest::newRow("plain") << "cross.gif" << true;
        QTest::newRow("Latin-1 bytes") << QString::fromLatin1("k\344fer.gif") << true;
        for (const char* name : {"", ".", "..", "../sound.txt", "sub/x.gif", "/etc/passwd", "..\\docs\\draw.gif"})
            QTest::newRow(name) << name << false;
        // clang-format on
    }

    void image_names_stay_inside_the_images_folder()
    {
        QFETCH(QString, name);
        QFETCH(bool, bare);
        TempAppFolder folder;
        QCOMPARE(settings::image_path(name).value_or({}),
                 bare ? QFile::encodeName(folder.file("/images/")) + name.toLatin1() : QByteArray());
    }

    void read_only_folder_keeps_settings_per_user()
    {
        TempAppFolder folder;
        QDir(folder.path()).mkdir("user");
        folder.write("/user/mode.txt", "1\r\n");  // the player's own choice, made earlier
        const auto latin1 = [&](const char* in) { return QFile::encodeName(folder.file(in)) + "k\xE4r.gif"; };
        ::link(qPrintable(folder.file("/images/ring.gif")), latin1("/images/"));  // Qt cannot copy it
        std::optional<RefusedWrites> read_only(std::in_place);
        const bool writable = settings::can_write_in(folder.path());
        QVERIFY(!settings::choose_data_folder(folder.file("/full"), writable).ok());  // left incomplete: not used
        read_only.reset();
        QVERIFY(!writable);
        QCOMPARE(settings::data_file(settings::kModeFile), folder.file("/mode.txt"));

        QVERIFY(settings::choose_data_folder(folder.file("/user"), writable).ok());
        QCOMPARE(QDir(folder.file("/user")).entryList(QDir::Files), QDir(TRIVOLO_SETTINGS_DIR).entryList(QDir::Files));
        QCOMPARE(folder.read("/user/mode.txt"), QByteArray("1\r\n"));  // never overwritten
        QCOMPARE(visible_file_names(folder.file("/user/images")), visible_file_names(folder.file("/images")));
        QCOMPARE(settings::image_path("ring.gif").value(), folder.file("/user/images/ring.gif"));
        QVERIFY(settings::write_lines(settings::kSoundFile, {settings::kSoundOff}).ok());
        QCOMPARE(folder.read("/user/sound.txt"), QByteArray("False\r\n"));
        QCOMPARE(folder.read("/sound.txt"), QByteArray("true\r\n"));
        ::unlink(latin1("/images/"));  // nor remove it
        ::unlink(latin1("/user/images/"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
