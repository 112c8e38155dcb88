// Every .ts catalogue of the program and its importers: nothing left
// unfinished or kept from texts the code no longer has, and every
// translation carries the placeholders (%1, %n) and file patterns (*.rod)
// of its source, which the program fills in or the file dialogs match.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Message
{
    QString context;
    QString source;
    QString type;              // of the translation: "unfinished", "vanished", …
    QStringList translations;  // one, or one per numerus form
};

std::vector<Message> readCatalogue(const QString& path, QString& failure)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failure = file.errorString();
        return {};
    }
    std::vector<Message> messages;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, {}});
            numerus = xml.attributes().value("numerus") == u"yes";
        } else if (xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.back().type = xml.attributes().value("type").toString();
            if (!numerus)
                messages.back().translations << xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            messages.back().translations << xml.readElementText();
        }
    }
    if (xml.hasError())
        failure = xml.errorString();
    return messages;
}

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

std::vector<std::string> catalogues()
{
    std::vector<std::string> names;
    for (const QString& name : QDir(VANTOREL_TRANSLATIONS).entryList({"*.ts"}))
        names.push_back(name.toStdString());
    return names;
}

class Catalogue : public ::testing::TestWithParam<std::string>
{};

TEST_P(Catalogue, EveryEntryIsTranslatedAndKeepsItsPlaceholders)
{
    QString failure;
    const std::vector<Message> messages = readCatalogue(
        QDir(VANTOREL_TRANSLATIONS).filePath(QString::fromStdString(GetParam())), failure);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    ASSERT_FALSE(messages.empty());
    for (const Message& m : messages) {
        const std::string where = (m.context + ": " + m.source).toStdString();
        EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString() << " — " << where;
        EXPECT_FALSE(m.translations.isEmpty()) << where;
        for (const QString& translation : m.translations) {
            EXPECT_FALSE(translation.isEmpty()) << where;
            EXPECT_EQ(markers(translation), markers(m.source)) << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Translations, Catalogue, ::testing::ValuesIn(catalogues()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
