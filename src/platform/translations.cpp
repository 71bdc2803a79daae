#include "platform/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace trivolo {

namespace {

constexpr QLatin1StringView kGamePrefix("trivolo_");

std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QString& installed_language()
{
    static QString language;
    return language;
}

void install(std::unique_ptr<QTranslator> translator)
{
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
}

}  // namespace

QString install_translations(const QString& folder, const QLocale& locale)
{
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    installed_language().clear();

    auto game = std::make_unique<QTranslator>();
    if (!game->load(locale, QStringLiteral("trivolo"), QStringLiteral("_"), folder) || game->isEmpty())
        return {};
    // The language is the one the file is named for: "trivolo_pt_BR.qm" serves both pt-BR and
    // a plain pt the locale may list.
    QString language = QFileInfo(game->filePath()).completeBaseName().mid(kGamePrefix.size());
    install(std::move(game));
    installed_language() = language;
    // Qt's catalogue "qt_<language>" pulls in the parts the program uses (qtbase); a language
    // without one keeps Qt's English buttons.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qt_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(std::move(qt));
    return language;
}

QString in_language(const QString& path)
{
    const QString& language = installed_language();
    if (language.isEmpty())
        return path;
    const qsizetype name = path.lastIndexOf(u'/') + 1;
    QString variant = path.left(name) + language + u'/' + path.mid(name);
    return QFileInfo::exists(variant) ? variant : path;
}

}  // namespace trivolo
