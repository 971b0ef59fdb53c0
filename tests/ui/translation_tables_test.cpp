// Checks the Qt Linguist tables themselves: complete, consistent with each
// other, with intact placeholders, and covering every text the views ask for.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <ostream>
#include <set>

// Readable QString values in failure messages.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {
const QString kSourceDir = QStringLiteral(TOCKO_SOURCE_DIR);

struct Message {
    QString source;
    QStringList translations;  // one, or one per plural form
    QString type;              // "unfinished", "vanished", "obsolete" or empty
};

struct Table {
    QString language;
    std::set<QString> contexts;
    std::vector<Message> messages;
};

Table readTable(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Table table;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            table.language = xml.attributes().value("language").toString();
        } else if (name == QLatin1String("name")) {
            table.contexts.insert(xml.readElementText());
        } else if (name == QLatin1String("message")) {
            current = Message{};
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value("type").toString();
            // Either plain text or <numerusform> children.
            QString text;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters()) text += xml.text();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    current.translations.append(xml.readElementText());
                }
            }
            if (current.translations.isEmpty()) current.translations.append(text);
            table.messages.push_back(current);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return table;
}

std::multiset<QString> placeholders(const QString& text) {
    static const QRegularExpression re(QStringLiteral("%L?[0-9n]"));
    std::multiset<QString> found;
    for (auto it = re.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
    return found;
}

std::map<QString, Table> allTables() {
    std::map<QString, Table> tables;
    const QDir dir(kSourceDir + QStringLiteral("/resources/translations"));
    for (const QString& name : dir.entryList({QStringLiteral("tocko_*.ts")}, QDir::Files)) {
        tables[name] = readTable(dir.filePath(name));
    }
    return tables;
}
}  // namespace

TEST(TranslationTables, OneCompleteTablePerOfferedLanguage) {
    const auto tables = allTables();
    const std::set<QString> expected{
        "tocko_en.ts", "tocko_es.ts", "tocko_es_419.ts", "tocko_pt_BR.ts", "tocko_pt_PT.ts", "tocko_de.ts",
        "tocko_fr.ts", "tocko_it.ts", "tocko_nl.ts",     "tocko_pl.ts",    "tocko_cs.ts",    "tocko_el.ts",
        "tocko_ro.ts", "tocko_hu.ts", "tocko_hr.ts",     "tocko_tr.ts",    "tocko_id.ts",    "tocko_vi.ts",
        "tocko_ja.ts", "tocko_ko.ts", "tocko_zh_Hans.ts"};
    std::set<QString> present;
    for (const auto& [name, table] : tables) present.insert(name);
    EXPECT_EQ(present, expected);

    const std::set<QString> english = [&] {
        std::set<QString> s;
        for (const Message& m : tables.at("tocko_en.ts").messages) s.insert(m.source);
        return s;
    }();
    EXPECT_GT(english.size(), 100u);

    for (const auto& [name, table] : tables) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(table.language.isEmpty());
        EXPECT_EQ(table.contexts, std::set<QString>{"Tocko"});
        std::set<QString> sources;
        for (const Message& m : table.messages) {
            SCOPED_TRACE(m.source.toStdString());
            EXPECT_TRUE(sources.insert(m.source).second) << "duplicate";
            EXPECT_TRUE(m.type.isEmpty()) << "entry is " << m.type.toStdString();
            for (const QString& t : m.translations) {
                EXPECT_FALSE(t.trimmed().isEmpty()) << "untranslated";
                EXPECT_EQ(placeholders(t), placeholders(m.source)) << t.toStdString();
                EXPECT_EQ(t.trimmed(), t) << "stray white space";
                if (name != QLatin1String("tocko_en.ts") && m.source.count(' ') >= 3) {
                    EXPECT_NE(t, m.source) << "left in English";
                }
            }
        }
        EXPECT_EQ(sources, english) << "tables disagree on their keys";
    }
}

TEST(TranslationTables, EveryTextTheViewsLookUpIsInTheTables) {
    std::set<QString> keys;
    for (const Message& m :
         readTable(kSourceDir + QStringLiteral("/resources/translations/tocko_en.ts")).messages) {
        keys.insert(m.source);
    }
    // qsTranslate("Tocko", "…"), QT_TRANSLATE_NOOP("Tocko", "…"), translate("Tocko", "…"),
    // localizedString("…")
    // The key may be split into adjacent literals, which C++ joins.
    static const QRegularExpression lookup(QStringLiteral(
        R"re((?:(?:qsTranslate|QT_TRANSLATE_NOOP)\(\s*"Tocko"\s*,|translate\(\s*(?:"Tocko"|kTranslationContext)\s*,|localizedString\()\s*((?:"(?:[^"\\]|\\.)*"\s*)+)[,)])re"));
    static const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    int seen = 0;
    for (const char* folder : {"ui", "app", "userpacks"}) {
        QDirIterator it(kSourceDir + '/' + folder, {"*.qml", "*.cpp", "*.h", "*.js"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (auto m = lookup.globalMatch(text); m.hasNext();) {
                QString key;
                for (auto p = piece.globalMatch(m.next().captured(1)); p.hasNext();)
                    key += p.next().captured(1);
                key.replace(QStringLiteral("\\\""), QStringLiteral("\""));
                if (key == QLatin1String("English text")) continue;  // documentation example
                ++seen;
                EXPECT_TRUE(keys.count(key)) << "\"" << key.toStdString() << "\" in " << path.toStdString();
            }
        }
    }
    EXPECT_GT(seen, 0);
}
