// The shipped assets: every picture the program names loads at its size, the marks fit a
// board cell, the icon is the program's, and the help document holds every page.
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kApp = QStringLiteral(TRIVOLO_ASSET_DIR);
const QString kBuiltin = QStringLiteral(TRIVOLO_SOURCE_DIR "/assets/builtin");
const QSize kCell(116, 117);  // inside the 2-pixel border of a 120 x 121 board cell

}  // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void pictures_load_at_their_size_data();
    void pictures_load_at_their_size();
    void help_holds_every_page_in_its_contents();
};

void TestAssets::pictures_load_at_their_size_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("exact");  // otherwise it must fit the size and fill at least half of it
    QTest::newRow("eye") << kBuiltin + "/eye.jpg" << QSize(200, 80) << true;
    QTest::newRow("how to play") << kBuiltin + "/howtoplay.gif" << QSize(195, 208) << true;
    QTest::newRow("icon") << kBuiltin + "/trivolo.ico" << QSize(32, 32) << true;
    for (const char* banner : {"/docs/player1.gif", "/docs/player2.gif"})
        QTest::newRow(banner) << kApp + banner << QSize(200, 80) << true;
    for (const char* result : {"/docs/player1win.gif", "/docs/player2win.gif", "/docs/draw.gif"})
        QTest::newRow(result) << kApp + result << QSize(405, 45) << false;
    QTest::newRow("computer mark") << kApp + "/docs/computer.jpeg" << kCell << false;
    for (const QString& name : QDir(kApp + "/images").entryList(QDir::Files, QDir::Name))
        QTest::addRow("images/%s", qPrintable(name)) << kApp + "/images/" + name << kCell << false;
}

void TestAssets::pictures_load_at_their_size()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, exact);
    QImageReader reader(path);
    QVERIFY2(QByteArrayList({"gif", "jpeg", "ico"}).contains(reader.format()), qPrintable(path));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + ": " + reader.errorString()));
    if (exact)
        QCOMPARE(image.size(), size);
    else
        QVERIFY2(image.width() <= size.width() && image.height() <= size.height() && image.width() * 2 >= size.width()
                     && image.height() * 2 >= size.height(),
                 qPrintable(path));
}

void TestAssets::help_holds_every_page_in_its_contents()
{
    const QString tool = QStandardPaths::findExecutable("extract_chmLib");
    if (tool.isEmpty())
        QSKIP("extract_chmLib (libchm-bin) is not installed");
    QTemporaryDir dir;
    QCOMPARE(QProcess::execute(tool, {kApp + "/Help.CHM", dir.path()}), 0);
    QFile toc(dir.filePath("toc.hhc"));
    QVERIFY(toc.open(QIODevice::ReadOnly));
    const QByteArray contents = toc.readAll();
    const QStringList pages = QDir(dir.path()).entryList({"*.html"}, QDir::Files);
    QVERIFY2(pages.size() >= 8 && pages.contains("index.html"), qPrintable(pages.join(' ')));
    for (const QString& page : pages)
        QVERIFY2(contents.contains("\"" + page.toUtf8() + "\""), qPrintable(page + " is not in the contents"));
}

QTEST_MAIN(TestAssets)
#include "test_assets.moc"
