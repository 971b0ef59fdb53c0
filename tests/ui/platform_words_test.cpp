// Tocko runs on Linux: no text a user reads or copies may send them to
// another platform's places or name its APIs. Checks every translation
// table (the English sources and each language's own words for those
// places) and every string literal of the application's sources.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>

namespace {
const QString kSourceDir = QStringLiteral(TOCKO_SOURCE_DIR);

// Places and APIs of the other platform, in any language.
const QRegularExpression& foreignWords() {
    static const QRegularExpression re(QStringLiteral(
        R"(\bmacOS\b|\bOS X\b|\bMac\b|\bFinder\b|System Settings|System Preferences|Input Monitoring|)"
        R"(Applications folder|menu[ -]bar|\bDock\b|App Nap|AVAudio|CGEvent|\bFaceTime\b|)"
        R"(Privacy & Security|[Bb]undle [Ii][Dd]|\bSecure Input\b|NSWorkspace|SMAppService|Core Audio|)"
        R"(Launchpad|Keychain|iCloud)"));
    return re;
}

// Each language's words for those places, as its earlier tables used them.
const std::map<QString, QStringList>& localWords() {
    static const std::map<QString, QStringList> words{
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
        {"pl",
         {"Ustawienia systemowe", "Ustawieniach systemowych", "monitorowanie wprowadzania", "pasku menu"}},
        {"pt_BR", {"Ajustes do Sistema", "Monitoramento de Entrada", "barra de menus"}},
        {"pt_PT", {"Definições do Sistema", "monitorização de entrada", "barra de menus"}},
        {"ro", {"Configurări sistem", "monitorizare a introducerii", "bara de meniu"}},
        {"tr", {"Sistem Ayarları", "Girdi İzleme", "menü çubuğu"}},
        {"vi", {"Cài đặt hệ thống", "Giám sát đầu vào", "thanh menu"}},
        {"zh_Hans", {"系统设置", "输入监控", "菜单栏"}},
    };
    return words;
}

// Every <source> and <translation> text of a table.
QStringList tableTexts(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QStringList texts;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() &&
            (xml.name() == QLatin1String("source") || xml.name() == QLatin1String("translation") ||
             xml.name() == QLatin1String("numerusform"))) {
            texts.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString();
    return texts;
}
}  // namespace

TEST(PlatformWords, NoTranslationTableNamesAnotherPlatform) {
    const QDir dir(kSourceDir + QStringLiteral("/resources/translations"));
    const QStringList tables = dir.entryList({QStringLiteral("tocko_*.ts")}, QDir::Files);
    ASSERT_EQ(tables.size(), 21);
    for (const QString& name : tables) {
        const QString language = name.mid(6, name.size() - 9);  // tocko_<language>.ts
        SCOPED_TRACE(name.toStdString());
        const QStringList local = localWords().count(language) ? localWords().at(language) : QStringList{};
        EXPECT_TRUE(language == QLatin1String("en") || !local.isEmpty())
            << "no words listed for " << language.toStdString();
        for (const QString& text : tableTexts(dir.filePath(name))) {
            const auto match = foreignWords().match(text);
            EXPECT_FALSE(match.hasMatch())
                << "\"" << match.captured().toStdString() << "\" in: " << text.toStdString();
            for (const QString& word : local)
                EXPECT_FALSE(text.contains(word, Qt::CaseInsensitive))
                    << "\"" << word.toStdString() << "\" in: " << text.toStdString();
        }
    }
}

TEST(PlatformWords, NoStringInTheSourcesNamesAnotherPlatform) {
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    int files = 0;
    for (const char* folder : {"app", "audio", "context", "input", "platform", "support", "ui"}) {
        const QString root = kSourceDir + '/' + folder;
        if (!QDir(root).exists()) continue;
        QDirIterator it(root, {"*.qml", "*.cpp", "*.h", "*.js"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            ++files;
            int lineNumber = 0;
            for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
                ++lineNumber;
                if (line.trimmed().startsWith(QLatin1String("//"))) continue;  // a comment, not a text
                for (auto m = literal.globalMatch(line); m.hasNext();) {
                    const QString text = m.next().captured(1);
                    const auto found = foreignWords().match(text);
                    EXPECT_FALSE(found.hasMatch()) << "\"" << found.captured().toStdString() << "\" at "
                                                   << path.toStdString() << ":" << lineNumber;
                }
            }
        }
    }
    EXPECT_GT(files, 50);
}
