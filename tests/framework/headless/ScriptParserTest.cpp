#include "framework/headless/Script.h"
#include "framework/headless/Wording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<ScriptCommand> Parse(const std::string& script)
{
    std::vector<ScriptCommand> commands;
    ScriptError error;
    EXPECT_TRUE(ParseScript(script, commands, error))
        << "line " << error.line << ": " << error.message;
    return commands;
}

ScriptError ParseError(const std::string& script)
{
    std::vector<ScriptCommand> commands;
    ScriptError error;
    EXPECT_FALSE(ParseScript(script, commands, error)) << script;
    return error;
}
} // namespace

TEST(ScriptParser, ReadsEveryCommand_WithLineNumbersSkippingCommentsAndBlankLines)
{
    auto commands = Parse("# a tour\n"
                          "\n"
                          "next\r\n"
                          "  back\n"
                          "finish\n"
                          "cancel\n"
                          "set 1001 some text  \n"
                          "select 0x3f2 Custom (New)\n"
                          "check 1004 on\n"
                          "radio 1005\n"
                          "click 1003\n"
                          "row 1012 2\n"
                          "answer yes\n"
                          "wait 1.5\n"
                          "wait-page CConfigingPage 30\n"
                          "   # indented comment\n"
                          "expect page CWelcomePage\n"
                          "expect title QUORAN Configuration Wizard\n"
                          "expect buttons Back,Next,Cancel\n"
                          "expect text 1001 abc\n"
                          "expect enabled 1001 no\n"
                          "expect visible 1001 yes\n"
                          "expect items 1010 A|B|C\n"
                          "expect selected 1010 B\n"
                          "expect checked 1004 off\n"
                          "expect message Error invalid device.\n"
                          "dump\n"
                          "screenshot shots/page 1.png\n");
    ASSERT_EQ(commands.size(), 25u);
    EXPECT_EQ(commands[0].op, ScriptOp::Next);
    EXPECT_EQ(commands[0].line, 3);
    EXPECT_EQ(commands[1].op, ScriptOp::Back);
    EXPECT_EQ(commands[4].op, ScriptOp::Set);
    EXPECT_EQ(commands[4].id, 1001);
    EXPECT_EQ(commands[4].text, "some text");
    EXPECT_EQ(commands[5].id, 0x3f2);
    EXPECT_EQ(commands[5].text, "Custom (New)");
    EXPECT_TRUE(commands[6].flag);
    EXPECT_EQ(commands[9].number, 2);
    EXPECT_EQ(commands[10].number, IDYES);
    EXPECT_EQ(commands[11].number, 1500);
    EXPECT_EQ(commands[12].text, "CConfigingPage");
    EXPECT_EQ(commands[12].number, 30000);
    EXPECT_EQ(commands[13].line, 17);
    EXPECT_EQ(commands[13].op, ScriptOp::ExpectPage);
    EXPECT_EQ(commands[14].text, "QUORAN Configuration Wizard");
    EXPECT_EQ(static_cast<unsigned>(commands[15].number),
              kScriptBack | kScriptNext | kScriptCancel);
    EXPECT_FALSE(commands[17].flag);
    EXPECT_TRUE(commands[18].flag);
    EXPECT_EQ(commands[19].items, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(commands[21].op, ScriptOp::ExpectChecked);
    EXPECT_EQ(commands[22].text, "Error invalid device.");
    EXPECT_EQ(commands[23].op, ScriptOp::Dump);
    EXPECT_EQ(commands[24].text, "shots/page 1.png");
}

TEST(ScriptParser, QuotedText_KeepsBlanksAndUnescapes_WhileBareTextIsLiteral)
{
    auto commands = Parse("set 1 \"\"\n"
                          "set 1 \"  two  \"\n"
                          "expect message \"line\\r\\nnext \\\"quoted\\\" back\\\\slash\\ttab\"\n"
                          "set 1 \\\\.\\COM1\n"
                          "expect items 2 \"\"\n"
                          "expect items 2 \"|x|\"\n"
                          "expect buttons none\n"
                          "answer ok\n"
                          "answer no\n"
                          "wait 0\n");
    ASSERT_EQ(commands.size(), 10u);
    EXPECT_EQ(commands[0].text, "");
    EXPECT_EQ(commands[1].text, "  two  ");
    EXPECT_EQ(commands[2].text, "line\r\nnext \"quoted\" back\\slash\ttab");
    EXPECT_EQ(commands[3].text, "\\\\.\\COM1");
    EXPECT_TRUE(commands[4].items.empty());
    EXPECT_EQ(commands[5].items, (std::vector<std::string>{"", "x", ""}));
    EXPECT_EQ(commands[6].number, 0);
    EXPECT_EQ(commands[7].number, IDOK);
    EXPECT_EQ(commands[8].number, IDNO);
    EXPECT_EQ(commands[9].number, 0);
}

TEST(ScriptParser, RejectsTheFirstBadLine_WithItsNumberAndReason)
{
    struct Case
    {
        const char* line;
        const char* reason;
    };
    const Case cases[] = {
        {"nxt", "unknown command \"nxt\""},
        {"Next", "unknown command \"Next\""},
        {"expect", "missing what to expect"},
        {"expect colour 1 red", "unknown command \"expect colour\""},
        {"next now", "unexpected \"now\""},
        {"dump all", "unexpected \"all\""},
        {"set", "missing control id"},
        {"set 1001", "missing text"},
        {"set abc x", "bad control id \"abc\""},
        {"set 70000 x", "bad control id"},
        {"set -1 x", "bad control id"},
        {"select 1010", "missing text"},
        {"check 1004", "missing on or off"},
        {"check 1004 yes", "neither on nor off"},
        {"check 1004 on off", "unexpected \"off\""},
        {"radio", "missing control id"},
        {"row 1012", "missing row number"},
        {"row 1012 -1", "bad row number"},
        {"row 1012 one", "bad row number"},
        {"answer", "missing answer"},
        {"answer maybe", "not an answer"},
        {"answer Yes", "not an answer"},
        {"wait", "missing seconds"},
        {"wait -1", "bad number of seconds"},
        {"wait 1,5", "bad number of seconds"},
        {"wait 2s", "bad number of seconds"},
        {"wait nan", "bad number of seconds"},
        {"wait 1e9", "bad number of seconds"},
        {"wait-page CPortPage", "missing seconds"},
        {"wait-page", "missing page class"},
        {"expect page", "missing page class"},
        {"expect page CA CB", "unexpected \"CB\""},
        {"expect title", "missing text"},
        {"expect buttons", "missing button list"},
        {"expect buttons Back,Nxt", "unknown button \"Nxt\""},
        {"expect buttons Back,", "unknown button \"\""},
        {"expect enabled 1 on", "neither yes nor no"},
        {"expect visible 1", "missing yes or no"},
        {"expect checked 1 yes", "neither on nor off"},
        {"expect items 1", "missing item list"},
        {"expect progress", "missing progress"},
        {"expect progress 3", "bad progress \"3\""},
        {"expect progress 37/36", "bad progress"},
        {"expect progress 1/0", "bad progress"},
        {"expect progress ?/36", "bad progress"},
        {"expect progress 1/36 more", "unexpected \"more\""},
        {"screenshot", "missing file name"},
        {"set 1 \"open", "missing closing quote"},
        {"set 1 \"a\" b", "text after the closing quote"},
        {"set 1 \"a\\q\"", "unknown escape"},
    };
    for (const Case& c : cases)
    {
        ScriptError error = ParseError(std::string("# first\nnext\n\n") + c.line + "\nnext\n");
        EXPECT_EQ(error.line, 4) << c.line;
        EXPECT_NE(error.message.find(c.reason), std::string::npos)
            << c.line << " gave: " << error.message;
    }
}

TEST(ScriptParser, StopsAtTheFirstError_KeepingTheCommandsBefore)
{
    std::vector<ScriptCommand> commands;
    ScriptError error;
    EXPECT_FALSE(ParseScript("next\nback\nbogus\nnxt\n", commands, error));
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(commands.size(), 2u);
}

TEST(ScriptParser, EmptyScript_HasNoCommands)
{
    EXPECT_TRUE(Parse("").empty());
    EXPECT_TRUE(Parse("\n\n# nothing\n   \n").empty());
    EXPECT_EQ(Parse("next").size(), 1u);
}

TEST(ScriptParser, FormattedCommands_ParseBackToTheSameCommands)
{
    auto commands = Parse("set 1001 \" a\\r\\nb \"\n"
                          "select 1010 Custom (New)\n"
                          "check 1004 off\n"
                          "row 1012 3\n"
                          "answer no\n"
                          "wait 0.25\n"
                          "wait-page CLoadCfgPage 2\n"
                          "expect buttons Cancel,Back\n"
                          "expect enabled 2 yes\n"
                          "expect items 1010 \"\"\n"
                          "expect message \"\"\n"
                          "expect progress 0/36\n"
                          "expect progress */9\n"
                          "expect progress none\n"
                          "finish\n");
    for (const ScriptCommand& command : commands)
    {
        std::string line = FormatCommand(command);
        auto again = Parse(line);
        ASSERT_EQ(again.size(), 1u) << line;
        EXPECT_EQ(again[0].op, command.op) << line;
        EXPECT_EQ(again[0].id, command.id) << line;
        if (command.op != ScriptOp::ExpectButtons)
        {
            EXPECT_EQ(again[0].text, command.text) << line;
        }
        EXPECT_EQ(again[0].items, command.items) << line;
        EXPECT_EQ(again[0].number, command.number) << line;
        EXPECT_EQ(again[0].flag, command.flag) << line;
        EXPECT_EQ(again[0].total, command.total) << line;
    }
    EXPECT_EQ(FormatCommand(commands[0]), "set 1001 \" a\\r\\nb \"");
    EXPECT_EQ(FormatCommand(commands[7]), "expect buttons Back,Cancel");
    EXPECT_EQ(FormatCommand(commands[12]), "expect progress */9");
}

TEST(ScriptParser, QuoteText_EscapesLineBreaksAndControlCharacters)
{
    EXPECT_EQ(QuoteText("OK\r\n"), "\"OK\\r\\n\"");
    EXPECT_EQ(QuoteText(std::string("a\tb\x01") + '\x7f'), "\"a\\tb\\x01\\x7F\"");
    EXPECT_EQ(QuoteText("\\\\.\\COM1 \"x\""), "\"\\\\.\\COM1 \"x\"\"");
    EXPECT_EQ(FormatButtons(0), "none");
    EXPECT_EQ(FormatButtons(kScriptCancel | kScriptDisabledFinish | kScriptBack),
              "Back,DisabledFinish,Cancel");
}
