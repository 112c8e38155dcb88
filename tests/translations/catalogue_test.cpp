// Every .ts catalogue of the program and its importers: nothing left
// unfinished or kept from texts the code no longer has, and every
// translation carries the placeholders (%1, %n) and file patterns (*.rod)
// of its source, which the program fills in or the file dialogs match.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// What must survive translation, sorted: the order may change.
std::string markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral(R"(%L?\d+|%n|\*\.\w+)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        found << m.captured();
    found.sort();
    return found.join(' ').toStdString();
}

TEST(Catalogues, EveryEntryIsTranslatedAndKeepsItsPlaceholders)
{
    const QDir dir(VANTOREL_TRANSLATIONS);
    const QStringList names = dir.entryList({"*.ts"});
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&file);
        QString context, source;
        bool numerus = false;
        int translations = 0;
        const auto expectTranslates = [&](const QString& translation) {
            const std::string where = (name + " " + context + ": " + source).toStdString();
            EXPECT_FALSE(translation.isEmpty()) << where;
            EXPECT_EQ(markers(translation), markers(source)) << where;
            ++translations;
        };
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                numerus = xml.attributes().value("numerus") == u"yes";
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                // "unfinished", "vanished", "obsolete": not for a user to see.
                EXPECT_EQ(xml.attributes().value("type").toString(), QString())
                    << (name + " " + context + ": " + source).toStdString();
                if (!numerus)
                    expectTranslates(xml.readElementText());
            } else if (xml.name() == u"numerusform") {
                expectTranslates(xml.readElementText());
            }
        }
        EXPECT_FALSE(xml.hasError())
            << name.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(translations, 0) << name.toStdString();
    }
}

}  // namespace
