#include "testsupport.h"

#include <QDirIterator>
#include <QTest>

#include <csignal>

namespace trivolo::test {

TempAppFolder::TempAppFolder()
{
    for (const QString source : {TRIVOLO_ASSET_DIR, TRIVOLO_SETTINGS_DIR}) {
        QDirIterator entries(source, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QString from = entries.next();
            const QString to = dir_.path() + from.mid(source.size());
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
            QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    settings::set_app_folder(dir_.path());
}

void TempAppFolder::write(const QString& relative_name, const QByteArray& contents) const
{
    QFile target(file(relative_name));
    QVERIFY2(target.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(target.fileName()));
    target.write(contents);
}

QByteArray TempAppFolder::read(const QString& relative_name) const
{
    QFile source(file(relative_name));
    return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
}

RefusedWrites::RefusedWrites(rlim_t room)
{
    getrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{room, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
}

TestApp::TestApp(Files files)
{
    for (const auto& [name, contents] : files)
        folder.write(name, contents);
    owner.show_first([this](MainWindowOwner& self) { return new main(services, self, choosers); });
}

QStringList TestApp::sounds() const
{
    QStringList names;
    for (const QString& path : sound.played)
        names.append(path.mid(folder.path().size()));
    return names;
}

void click(const QObject* window, const QString& control)
{
    QTest::mouseClick(child(window, control), Qt::LeftButton);
}

void click_cells(const TestApp& app, const QString& cells)
{
    for (const QChar cell : cells)
        QTest::mouseClick(child(app.window(), QStringLiteral("p") + cell), Qt::LeftButton, {}, QPoint(60, 60));
}

QImage picture_of(const QObject* window, const QString& box)
{
    const QPixmap picture = child<QLabel>(window, box)->pixmap();
    return picture.isNull() ? QImage() : picture.toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace trivolo::test
