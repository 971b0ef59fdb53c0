// The Qt Linguist tables and the texts of the sources: every table complete,
// consistent with the others, with intact placeholders; every text the code
// looks up present; and nothing a user reads names another platform's places
// or APIs (Tocko runs on Linux), in English or in a language's own words.
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
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
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
            QString text;  // plain text or <numerusform> children
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters()) text += xml.text();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    current.translations.append(xml.readElementText());
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

// Places and APIs of the other platform, in any language.
const QRegularExpression kForeignWords(QStringLiteral(
    R"(\bmacOS\b|\bOS X\b|\bMac\b|\bFinder\b|System Settings|System Preferences|Input Monitoring|)"
    R"(Applications folder|menu[ -]bar|\bDock\b|App Nap|AVAudio|CGEvent|\bFaceTime\b|)"
    R"(Privacy & Security|[Bb]undle [Ii][Dd]|\bSecure Input\b|NSWorkspace|SMAppService|Core Audio|)"
    R"(Launchpad|Keychain|iCloud)"));

// Each language's words for those places, as its earlier tables used them.
const std::map<QString, QStringList> kLocalWords{
    {"cs", {"Nastavení systému", "sledování vstupu", "řádku nabídek"}},
    {"de", {"Systemeinstellungen", "Eingabeüberwachung", "Menüleiste"}},
    {"el", {"Ρυθμίσεις συστήματος", "Ρυθμίσεων συστήματος", "Παρακολούθηση εισόδου", "γραμμή μενού"}},
    {"es", {"Ajustes del Sistema", "monitorización de entrada", "barra de menús"}},
    {"es_419", {"Configuración del Sistema", "monitoreo de entrada", "barra de menús"}},
    {"fr", {"Réglages Système", "surveillance de l’entrée", "barre des menus"}},
    {"hr", {"Postavke sustava", "Postavkama sustava", "praćenje unosa", "traci s izbornicima"}},
    {"hu", {"Rendszerbeállítás", "bemenetfigyelés", "menüsor"}},
    {"id", {"Pengaturan Sistem", "Pemantauan Input", "bar menu"}},
    {"it", {"Impostazioni di Sistema", "Monitoraggio dell’input", "barra dei menu"}},
    {"ja", {"システム設定", "入力監視", "メニューバー"}},
    {"ko", {"시스템 설정", "입력 모니터링", "메뉴 막대"}},
    {"nl", {"Systeeminstellingen", "invoermonitoring", "menubalk"}},
    {"pl", {"Ustawienia systemowe", "Ustawieniach systemowych", "monitorowanie wprowadzania", "pasku menu"}},
    {"pt_BR", {"Ajustes do Sistema", "Monitoramento de Entrada", "barra de menus"}},
    {"pt_PT", {"Definições do Sistema", "monitorização de entrada", "barra de menus"}},
    {"ro", {"Configurări sistem", "monitorizare a introducerii", "bara de meniu"}},
    {"tr", {"Sistem Ayarları", "Girdi İzleme", "menü çubuğu"}},
    {"vi", {"Cài đặt hệ thống", "Giám sát đầu vào", "thanh menu"}},
    {"zh_Hans", {"系统设置", "输入监控", "菜单栏"}},
};

std::set<QString> englishKeys() {
    std::set<QString> keys;
    for (const Message& m : readTable(kSourceDir + "/resources/translations/tocko_en.ts").messages)
        keys.insert(m.source);
    return keys;
}
}  // namespace

TEST(TranslationTables, OneCompleteTablePerOfferedLanguageInLinuxWords) {
    const QDir dir(kSourceDir + QStringLiteral("/resources/translations"));
    const QStringList names = dir.entryList({QStringLiteral("tocko_*.ts")}, QDir::Files);
    EXPECT_EQ(
        names.join(' '),
        "tocko_cs.ts tocko_de.ts tocko_el.ts tocko_en.ts tocko_es.ts tocko_es_419.ts tocko_fr.ts "
        "tocko_hr.ts tocko_hu.ts tocko_id.ts tocko_it.ts tocko_ja.ts tocko_ko.ts tocko_nl.ts "
        "tocko_pl.ts tocko_pt_BR.ts tocko_pt_PT.ts tocko_ro.ts tocko_tr.ts tocko_vi.ts tocko_zh_Hans.ts");
    const std::set<QString> english = englishKeys();
    EXPECT_GT(english.size(), 100u);

    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString language = name.mid(6, name.size() - 9);  // tocko_<language>.ts
        const bool isEnglish = language == QLatin1String("en");
        const QStringList local = kLocalWords.count(language) ? kLocalWords.at(language) : QStringList{};
        EXPECT_TRUE(isEnglish || !local.isEmpty()) << "no words listed for " << language.toStdString();
        const Table table = readTable(dir.filePath(name));
        EXPECT_FALSE(table.language.isEmpty());
        EXPECT_EQ(table.contexts, std::set<QString>{"Tocko"});
        std::set<QString> sources;
        for (const Message& m : table.messages) {
            SCOPED_TRACE(m.source.toStdString());
            EXPECT_TRUE(sources.insert(m.source).second) << "duplicate";
            EXPECT_TRUE(m.type.isEmpty()) << "entry is " << m.type.toStdString();
            EXPECT_FALSE(kForeignWords.match(m.source).hasMatch()) << "names another platform";
            for (const QString& t : m.translations) {
                EXPECT_FALSE(t.trimmed().isEmpty()) << "untranslated";
                EXPECT_EQ(placeholders(t), placeholders(m.source)) << t.toStdString();
                EXPECT_EQ(t.trimmed(), t) << "stray white space";
                EXPECT_TRUE(isEnglish || m.source.count(' ') < 3 || t != m.source) << "left in English";
                const auto foreign = kForeignWords.match(t);
                EXPECT_FALSE(foreign.hasMatch())
                    << foreign.captured().toStdString() << " in " << t.toStdString();
                for (const QString& word : local)
                    EXPECT_FALSE(t.contains(word, Qt::CaseInsensitive))
                        << word.toStdString() << " in " << t.toStdString();
            }
        }
        EXPECT_EQ(sources, english) << "tables disagree on their keys";
    }
}

// Every text the code looks up is in the tables, and no string literal of
// the application names another platform.
TEST(TranslationTables, TheSourcesLookUpKnownTextsAndNameNoOtherPlatform) {
    const std::set<QString> keys = englishKeys();
    // qsTranslate("Tocko", "…"), QT_TRANSLATE_NOOP("Tocko", "…"), translate("Tocko", "…"),
    // localizedString("…"); the key may be split into adjacent literals, which C++ joins.
    static const QRegularExpression lookup(QStringLiteral(
        R"re((?:(?:qsTranslate|QT_TRANSLATE_NOOP)\(\s*"Tocko"\s*,|translate\(\s*(?:"Tocko"|kTranslationContext)\s*,|localizedString\()\s*((?:"(?:[^"\\]|\\.)*"\s*)+)[,)])re"));
    static const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    int lookups = 0, files = 0;
    for (const char* folder :
         {"app", "audio", "context", "input", "platform", "support", "ui", "userpacks"}) {
        QDirIterator it(kSourceDir + '/' + folder, {"*.qml", "*.cpp", "*.h", "*.js"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            ++files;
            const QString text = QString::fromUtf8(file.readAll());
            for (auto m = lookup.globalMatch(text); m.hasNext();) {
                QString key;
                for (auto p = piece.globalMatch(m.next().captured(1)); p.hasNext();)
                    key += p.next().captured(1);
                key.replace(QStringLiteral("\\\""), QStringLiteral("\""));
                if (key == QLatin1String("English text")) continue;  // documentation example
                ++lookups;
                EXPECT_TRUE(keys.count(key)) << "\"" << key.toStdString() << "\" in " << path.toStdString();
            }
            int lineNumber = 0;
            for (const QString& line : text.split('\n')) {
                ++lineNumber;
                if (line.trimmed().startsWith(QLatin1String("//"))) continue;  // a comment, not a text
                for (auto m = literal.globalMatch(line); m.hasNext();) {
                    const auto found = kForeignWords.match(m.next().captured(1));
                    EXPECT_FALSE(found.hasMatch()) << "\"" << found.captured().toStdString() << "\" at "
                                                   << path.toStdString() << ":" << lineNumber;
                }
            }
        }
    }
    EXPECT_GT(files, 50);
    EXPECT_GT(lookups, 0);
}
