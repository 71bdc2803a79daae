// The settings files against real files: formats, line ends, byte-exact values, refused writes.
#include "testsupport.h"

#include "platform/files.h"
#include "settings/settings.h"

#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <functional>

using namespace trivolo;
using namespace trivolo::test;

constexpr QLatin1StringView kFile("/playerimg.txt");

// Whether the check holds in a child process that, even as root, may not override files' permissions.
bool as_a_player(const std::function<bool()>& check)
{
    const pid_t child = ::fork();
    if (child == 0) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        std::array<__user_cap_data_struct, 2> none{};
        ::_exit(::syscall(SYS_capset, &header, none.data()) == 0 && check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

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
        QTest::newRow("one line only") << QByteArray("cross.gif\r\n") << QStringList{"cross.gif", ""};
        QTest::newRow("a huge file read no further") << QByteArray(5000, 'x') + "\r\nsecond\r\n" << QStringList{QString(4096, 'x'), ""};
        // Blanks and a byte-order mark are part of the text, not skipped: neither reads as "true".
        QTest::newRow("kept exactly") << QByteArray("\xEF\xBB\xBF True \r\n\tx\r\n") << QStringList{"\u00EF\u00BB\u00BF True ", "\tx"};
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
        QDir(folder.path()).mkpath("user/images");
        folder.write("/user/mode.txt", "1\r\n");  // the player's own choice, made earlier
        folder.write("/user/images/gone.gif.trivolo-new-Ab3dE9", "left by a copy killed half way");
        folder.write("/user/images/gone.gif.trivolo-new-mine", "the player's own");
        const QByteArray ring = QFile::encodeName(folder.file("/images/ring.gif"));
        const auto latin1 = [&](const char* in) { return QFile::encodeName(folder.file(in)) + "k\xE4r.gif"; };
        // Names Qt cannot copy, and the longest a name may be.
        ::link(ring, latin1("/images/"));
        ::link(ring, QFile::encodeName(folder.file("/images/")) + QByteArray(251, 'x') + ".gif");
        {
            RefusedWrites full_disk;
            QVERIFY(settings::can_write_in(folder.path()));                            // full, not read-only
            QVERIFY(!settings::choose_data_folder(folder.file("/full"), false).ok());  // no settings files: not used
        }
        QCOMPARE(settings::data_file(settings::kModeFile), folder.file("/mode.txt"));
        {
            RefusedWrites room_for_settings_only(64);  // pictures that cannot be copied are left out
            QVERIFY(settings::choose_data_folder(folder.file("/user"), false).ok());
        }
        QCOMPARE(settings::data_file(settings::kModeFile), folder.file("/user/mode.txt"));
        QVERIFY(settings::choose_data_folder(folder.file("/user"), false).ok());  // the next start copies them
        QCOMPARE(QDir(folder.file("/user/images")).entryList({"gone*"}), QStringList{"gone.gif.trivolo-new-mine"});
        folder.remove("/user/images/gone.gif.trivolo-new-mine");

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

    void read_only_file_is_not_replaced()
    {
        TempAppFolder folder;
        QVERIFY(QFile::setPermissions(folder.file("/sound.txt"), QFile::ReadOwner));
        const bool refused
            = as_a_player([] { return !settings::write_lines(settings::kSoundFile, {settings::kSoundOff}).ok(); });
        QVERIFY(refused);
        QCOMPARE(folder.read("/sound.txt"), QByteArray("true\r\n"));
    }

    void player_folder_needs_an_absolute_data_home()
    {
        qputenv("HOME", "/home/p");
        const QList<std::pair<QByteArray, QString>> cases{
            {"", "/home/p/.local/share/Trivolo"}, {"rel/share", "/home/p/.local/share/Trivolo"}, {"/d/", "/d/Trivolo"}};
        for (const auto& [data_home, folder] : cases) {
            qputenv("XDG_DATA_HOME", data_home);
            QCOMPARE(settings::player_folder(), folder);
        }
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
