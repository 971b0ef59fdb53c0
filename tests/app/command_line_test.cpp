// Parsing of the tocko command line: what starts the application, what goes
// to the running instance, and what is refused as a usage error.

#include "app/command_line.h"

#include <gtest/gtest.h>

using namespace tocko;

namespace {

CommandLine parse(QStringList words) {
    words.prepend("tocko");
    return parseCommandLine(words);
}

}  // namespace

TEST(CommandLineTest, OptionsVerbsTheSnoozeLengthAndThePackToImport) {
    EXPECT_EQ(parseCommandLine({}).action, CommandLine::Action::Run);
    EXPECT_EQ(parse({}).action, CommandLine::Action::Run);
    EXPECT_FALSE(parse({}).background);
    EXPECT_TRUE(parse({"--background"}).background);
    EXPECT_TRUE(parse({"--headless"}).headless);
    EXPECT_TRUE(parse({"--replace"}).replace);
    // --panel and --settings start Tocko (or reach the running one) with a window open.
    EXPECT_TRUE(parse({"--panel"}).panel);
    EXPECT_TRUE(parse({"--settings"}).settings);
    EXPECT_EQ(parse({"--settings"}).action, CommandLine::Action::Run);
    for (const char* word : {"--help", "-h", "-help"})
        EXPECT_EQ(parse({word}).action, CommandLine::Action::Help);
    for (const char* word : {"--version", "-v"})
        EXPECT_EQ(parse({word}).action, CommandLine::Action::Version);
    // Help wins over everything else on the line, even a bad verb.
    EXPECT_EQ(parse({"frobnicate", "--help"}).action, CommandLine::Action::Help);
    // Every verb word is its verb's name.
    for (Verb v : {Verb::Toggle, Verb::On, Verb::Off, Verb::Snooze, Verb::Unsnooze, Verb::Status,
                   Verb::Settings, Verb::Panel, Verb::Quit}) {
        const CommandLine c = parse({verbName(v)});
        EXPECT_EQ(c.action, CommandLine::Action::Verb) << verbName(v).toStdString();
        EXPECT_EQ(c.verb, v) << verbName(v).toStdString();
    }
    EXPECT_EQ(parse({"snooze"}).snoozeMinutes, 10);
    EXPECT_EQ(parse({"snooze", "1440"}).snoozeMinutes, 1440);
    const CommandLine import = parse({"--import-pack", "/tmp/My Pack.zip"});
    EXPECT_EQ(import.action, CommandLine::Action::ImportPack);
    EXPECT_EQ(import.importPath, "/tmp/My Pack.zip");
}

TEST(CommandLineTest, UsageErrorsNameWhatWasWrong) {
    struct Case {
        QStringList words;
        const char* mentions;
    };
    const Case cases[] = {
        {{"--bogus"}, "bogus"},
        {{"frobnicate"}, "frobnicate"},
        {{"Toggle"}, "Toggle"},  // verbs are lower case
        {{"status", "now"}, "now"},
        {{"snooze", "0"}, "0"},
        {{"snooze", "1441"}, "1441"},
        {{"snooze", "ten"}, "ten"},
        {{"snooze", "5", "6"}, "6"},
        {{"--background", "toggle"}, "toggle"},
        {{"quit", "--headless"}, "quit"},
        // A window option goes with no verb, no other window and no background start.
        {{"--panel", "--background"}, ""},
        {{"--settings", "--headless"}, ""},
        {{"--panel", "status"}, ""},
        {{"--settings", "status"}, ""},
        {{"--panel", "--settings"}, ""},
        // --import-pack takes one path and nothing else.
        {{"--import-pack"}, ""},
        {{"--import-pack", "a", "status"}, ""},
        {{"--import-pack", "a", "--background"}, ""},
        {{"--import-pack", "a", "--import-pack", "b"}, ""},
        {{"--import-pack", "a", "--panel"}, ""},
        {{"--import-pack", "a", "--settings"}, ""},
    };
    for (const Case& c : cases) {
        const CommandLine parsed = parse(c.words);
        EXPECT_EQ(parsed.action, CommandLine::Action::UsageError) << c.words.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(c.mentions)) << parsed.error.toStdString();
    }
}

TEST(CommandLineTest, HelpListsEveryVerbAndTheExitCodes) {
    const QString help = helpText("tocko");
    EXPECT_TRUE(help.startsWith("Usage: tocko"));
    for (Verb v : {Verb::Toggle, Verb::On, Verb::Off, Verb::Snooze, Verb::Unsnooze, Verb::Status,
                   Verb::Settings, Verb::Panel, Verb::Quit})
        EXPECT_TRUE(help.contains("\n  " + verbName(v) + " ")) << verbName(v).toStdString();
    EXPECT_TRUE(help.contains("--background"));
    EXPECT_TRUE(help.contains("--panel"));
    EXPECT_TRUE(help.contains("2 on a\nusage error"));
    EXPECT_TRUE(versionText().startsWith("Tocko " + QStringLiteral(TOCKO_VERSION_TEXT)));
}
