// The build's keeper of the translations, over the texts lupdate extracts from the sources:
//   catalogues check EXTRACTED.ts STAMP CATALOGUE.ts...
//     fails when a catalogue has an unfinished, obsolete or empty message, lacks a text the
//     program shows, holds a text it no longer shows (its English changed), or translates a
//     message with other placeholders than the English has; touches STAMP when all are sound.
//   catalogues pseudo EXTRACTED.ts OUT.ts
//     writes a pseudo-translation: every text marked with brackets, its letters accented and
//     lengthened by about a third, so that a text that bypasses the catalogues or no longer
//     fits its control shows up in the program.
#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>
#include <cstdlib>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;  // the disambiguation, part of a message's identity
    QString translation;
    QString type;  // "unfinished", "obsolete", "vanished" or empty
    QString key() const { return context + QChar(u'\x1f') + source + QChar(u'\x1f') + comment; }
};

QList<Message> read_catalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "catalogues: cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}, {}, {}});
        else if (xml.name() == u"source")
            messages.last().source = xml.readElementText();
        else if (xml.name() == u"comment")
            messages.last().comment = xml.readElementText();
        else if (xml.name() == u"translation") {
            messages.last().type = xml.attributes().value(QLatin1StringView("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "catalogues: %s: %s\n", qPrintable(path), qPrintable(xml.errorString()));
        std::exit(2);
    }
    return messages;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured());
    found.sort();
    return found;
}

QStringList faults_of(const QString& path, const QMap<QString, Message>& shown)
{
    QStringList faults;
    QSet<QString> present;
    for (const Message& message : read_catalogue(path)) {
        const QString what = QStringLiteral("%1: \"%2\" (%3)").arg(path, message.source, message.context);
        present.insert(message.key());
        if (!message.type.isEmpty())
            faults.append(QStringLiteral("%1 is %2").arg(what, message.type));
        else if (!shown.contains(message.key()))
            faults.append(what + QStringLiteral(" is not a text the program shows"));
        else if (message.translation.isEmpty())
            faults.append(what + QStringLiteral(" has no translation"));
        else if (placeholders(message.translation) != placeholders(message.source))
            faults.append(what + QStringLiteral(" has other placeholders in its translation"));
    }
    for (const Message& message : shown)
        if (!present.contains(message.key()))
            faults.append(QStringLiteral("%1: \"%2\" (%3) is missing").arg(path, message.source, message.context));
    return faults;
}

int check(const QStringList& arguments)
{
    QMap<QString, Message> shown;
    for (const Message& message : read_catalogue(arguments.at(0)))
        shown.insert(message.key(), message);
    QStringList faults;
    for (const QString& path : arguments.mid(2))
        faults += faults_of(path, shown);
    for (const QString& fault : faults)
        std::fprintf(stderr, "catalogues: %s\n", qPrintable(fault));
    if (!faults.isEmpty())
        return 1;
    QFile stamp(arguments.at(1));
    return stamp.open(QIODevice::WriteOnly) ? 0 : 2;
}

QString pseudo_text(const QString& source)
{
    static const QString plain = QStringLiteral("aceginoruyACEGINORUY");
    static const QString accented = QStringLiteral("åçéĝîñöŕüýÅÇÉĜÎÑÖŔÜÝ");
    QString text = source;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at) == u'%' && at + 1 < text.size() && text.at(at + 1).isDigit())
            ++at;  // a placeholder stays as it is
        else if (const qsizetype letter = plain.indexOf(text.at(at)); letter >= 0)
            text[at] = accented.at(letter);
    }
    return QLatin1Char('[') + text + QString((source.size() + 2) / 3, u'~') + QLatin1Char(']');
}

int pseudo(const QStringList& arguments)
{
    QFile out(arguments.at(1));
    if (!out.open(QIODevice::WriteOnly))
        return 2;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    for (const Message& message : read_catalogue(arguments.at(0))) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), message.context);
        xml.writeStartElement(QStringLiteral("message"));
        xml.writeTextElement(QStringLiteral("source"), message.source);
        if (!message.comment.isEmpty())
            xml.writeTextElement(QStringLiteral("comment"), message.comment);
        xml.writeTextElement(QStringLiteral("translation"), pseudo_text(message.source));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == u"check" && arguments.size() >= 2)
        return check(arguments);
    if (command == u"pseudo" && arguments.size() == 2)
        return pseudo(arguments);
    std::fprintf(stderr, "usage: catalogues check EXTRACTED.ts STAMP CATALOGUE.ts... | pseudo EXTRACTED.ts OUT.ts\n");
    return 2;
}
