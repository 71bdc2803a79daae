// The shipped assets: every picture the program names loads at its size, the marks fit a board
// cell, and the two documents teach the whole game.
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString kApp = QStringLiteral(TRIVOLO_ASSET_DIR);
const QString kBuiltin = QStringLiteral(TRIVOLO_SOURCE_DIR "/assets/builtin");
const QSize kCell(116, 117);  // inside the 2-pixel border of a 120 x 121 board cell
const QSet<QByteArray> kLoadableFormats = {"gif", "jpeg", "ico"};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void pictures_load_at_their_size_data();
    void pictures_load_at_their_size();
    void images_offer_six_marks_in_every_format();
    void builtin_resources_name_the_shipped_files();
    void icon_holds_two_sizes_in_sixteen_colours();
    void help_is_compiled_html_with_every_page_in_its_contents();
    void documents_teach_the_game_data();
    void documents_teach_the_game();

private:
    QString help_text();  // every page of Help.CHM, extracted once; empty without the tool

    QTemporaryDir help_dir_;
    QString help_text_;
};

void TestAssets::pictures_load_at_their_size_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("exact");  // otherwise it must fit the size and fill at least half of it
    QTest::newRow("eye") << kBuiltin + "/eye.jpg" << QSize(200, 80) << true;
    QTest::newRow("how to play") << kBuiltin + "/howtoplay.gif" << QSize(195, 208) << true;
    QTest::newRow("player1 banner") << kApp + "/docs/player1.gif" << QSize(200, 80) << true;
    QTest::newRow("player2 banner") << kApp + "/docs/player2.gif" << QSize(200, 80) << true;
    QTest::newRow("computer mark") << kApp + "/docs/computer.jpeg" << kCell << false;
    QTest::newRow("player1 wins") << kApp + "/docs/player1win.gif" << QSize(405, 45) << false;
    QTest::newRow("player2 wins") << kApp + "/docs/player2win.gif" << QSize(405, 45) << false;
    QTest::newRow("draw") << kApp + "/docs/draw.gif" << QSize(405, 45) << false;
    for (const QString& name : QDir(kApp + "/images").entryList(QDir::Files, QDir::Name))
        QTest::addRow("images/%s", qPrintable(name)) << kApp + "/images/" + name << kCell << false;
}

void TestAssets::pictures_load_at_their_size()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, exact);
    QImageReader reader(path);
    const QByteArray format = reader.format();  // found from the contents
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + ": " + reader.errorString()));
    QVERIFY2(kLoadableFormats.contains(format), qPrintable(path + ": " + format));
    if (exact) {
        QCOMPARE(image.size(), size);
    } else {
        QVERIFY2(image.width() <= size.width() && image.height() <= size.height(), qPrintable(path));
        QVERIFY2(image.width() * 2 >= size.width() && image.height() * 2 >= size.height(), qPrintable(path));
    }
}

void TestAssets::images_offer_six_marks_in_every_format()
{
    const QStringList names = QDir(kApp + "/images").entryList(QDir::Files);
    QVERIFY2(names.size() >= 6, qPrintable(names.join(' ')));
    QSet<QByteArray> formats;
    for (const QString& name : names) {
        QCOMPARE(name, name.toLower());
        formats.insert(QImageReader(kApp + "/images/" + name).format());
    }
    QCOMPARE(formats, kLoadableFormats);
}

void TestAssets::builtin_resources_name_the_shipped_files()
{
    QXmlStreamReader xml(contents(kBuiltin + "/builtin.qrc"));
    QString prefix;
    QHash<QString, QString> files;  // alias -> path relative to the .qrc
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"qresource")
            prefix = xml.attributes().value("prefix").toString();
        else if (xml.name() == u"file") {
            const QString alias = xml.attributes().value("alias").toString();
            files.insert(alias, xml.readElementText());
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(prefix, QStringLiteral("/builtin"));
    for (const char* alias : {"eye.jpg", "howtoplay.gif", "player1.gif", "trivolo.ico"})
        QVERIFY2(QFile::exists(kBuiltin + '/' + files.value(alias, "-")), alias);
    // The banner shown before the first turn is the one the turns show.
    QCOMPARE(contents(kBuiltin + '/' + files.value("player1.gif")), contents(kApp + "/docs/player1.gif"));
}

void TestAssets::icon_holds_two_sizes_in_sixteen_colours()
{
    QImageReader reader(kBuiltin + "/trivolo.ico");
    QCOMPARE(reader.imageCount(), 2);
    QSet<int> widths;
    for (int index = 0; index < reader.imageCount(); ++index) {
        QVERIFY(reader.jumpToImage(index));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        widths.insert(image.width());
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    }
    QCOMPARE(widths, QSet<int>({16, 32}));
}

QString TestAssets::help_text()
{
    const QString tool = QStandardPaths::findExecutable("extract_chmLib");
    if (!help_text_.isEmpty() || tool.isEmpty() || !help_dir_.isValid())
        return help_text_;
    QProcess extract;
    extract.start(tool, {kApp + "/Help.CHM", help_dir_.path()});
    if (!extract.waitForFinished(60000) || extract.exitCode() != 0)
        return {};
    const QDir dir(help_dir_.path());
    for (const QString& page : dir.entryList({"*.html"}, QDir::Files, QDir::Name))
        help_text_ += QString::fromUtf8(contents(dir.filePath(page)));
    return help_text_;
}

void TestAssets::help_is_compiled_html_with_every_page_in_its_contents()
{
    QCOMPARE(contents(kApp + "/Help.CHM").left(4), QByteArray("ITSF"));
    if (QStandardPaths::findExecutable("extract_chmLib").isEmpty())
        QSKIP("extract_chmLib (libchm-bin) is not installed");
    QVERIFY(!help_text().isEmpty());
    const QDir dir(help_dir_.path());
    QVERIFY(dir.exists("index.html"));
    const QByteArray toc = contents(dir.filePath("toc.hhc"));
    const QStringList pages = dir.entryList({"*.html"}, QDir::Files);
    QVERIFY2(pages.size() >= 8, qPrintable(pages.join(' ')));
    for (const QString& page : pages)
        QVERIFY2(toc.contains("\"" + page.toUtf8() + "\""), qPrintable(page + " is not in the contents"));
}

void TestAssets::documents_teach_the_game_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("phrase");
    const QStringList phrases = {"New Game", "Game Mode", "Quit", "Ctrl+N", "Ctrl+M", "Del", "Ctrl+F1",
                                 "Ctrl+F2", "F1", "F2", "Ctrl+H", "Ctrl+R", "Cancel", "sound.txt",
                                 "mode.txt", "playerimg.txt", "menu.txt", "xchm", "quenrix"};
    for (const char* document : {"README.txt", "Help.CHM"})
        for (const QString& phrase : phrases)
            QTest::addRow("%s: %s", document, qPrintable(phrase)) << QString(document) << phrase;
}

void TestAssets::documents_teach_the_game()
{
    QFETCH(QString, document);
    QFETCH(QString, phrase);
    if (document == "Help.CHM" && QStandardPaths::findExecutable("extract_chmLib").isEmpty())
        QSKIP("extract_chmLib (libchm-bin) is not installed");
    const QString text = document == "Help.CHM" ? help_text() : QString::fromUtf8(contents(kApp + '/' + document));
    QVERIFY2(text.contains(phrase), qPrintable(document + " does not mention " + phrase));
}

QTEST_MAIN(TestAssets)
#include "test_assets.moc"
