// Runs zavir2-cli as a process and checks its exit status and both streams.
#include "named_rows.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using zavir2::testing::RowName;
using zavir2::testing::TNamedRow;

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Starts the program with exactly these arguments (no shell in between) and
// waits for it.
TRun RunCli(const std::vector<std::string>& arguments) {
    char outPath[] = "/tmp/zavir2-cli-out-XXXXXX";
    char errPath[] = "/tmp/zavir2-cli-err-XXXXXX";
    const int out = mkstemp(outPath);
    const int err = mkstemp(errPath);
    std::vector<char*> argv{const_cast<char*>(ZAVIR2_CLI)};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    TRun run;
    const pid_t child = fork();
    if (child == 0) {
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    close(out);
    close(err);
    run.Out = ReadAll(outPath);
    run.Err = ReadAll(errPath);
    std::remove(outPath);
    std::remove(errPath);
    return run;
}

struct TCliCase : TNamedRow {
    std::vector<std::string> Arguments;
    int Status;
    std::string Out;
    std::string Err; // exact, unless ErrContains is set
    bool ErrContains = false;
};

class Cli : public ::testing::TestWithParam<TCliCase> {};

TEST_P(Cli, ExitStatusAndStreams) {
    const TCliCase& c = GetParam();
    const TRun run = RunCli(c.Arguments);
    EXPECT_EQ(run.Status, c.Status);
    EXPECT_EQ(run.Out, c.Out);
    if (c.ErrContains) {
        EXPECT_NE(run.Err.find(c.Err), std::string::npos) << run.Err;
        EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << "one line expected: " << run.Err;
    } else {
        EXPECT_EQ(run.Err, c.Err);
    }
}

const TCliCase Cases[] = {
    {"Defaults", {}, 0, "221 граммов при крепкости напитка 40°\n", ""},
    {"AgeFourteen", {"--age", "14"}, 0, "199 граммов при крепкости напитка 40°\n", ""},
    {"TextTakenWithItsBlank",
     {"--strength", " 40"},
     0,
     "221 граммов при крепкости напитка  40°\n",
     ""},
    {"HexStrength", {"--strength=$28"}, 0, "221 граммов при крепкости напитка $28°\n", ""},
    {"NegativeValueAfterOption",
     {"--weight", "-5"},
     0,
     "211 граммов при крепкости напитка 40°\n",
     "Рановато еще пить с таким весом\n"},
    {"AllChoices",
     {"--strength", "96", "--age",      "91", "--weight", "30", "--effect", "0",
      "--beer",     "0",  "--snacks",   "0",  "--sex",    "1",  "--level",  "0",
      "--smoking",  "2",  "--hangover", "1",  "--place",  "1",  "--time",   "2"},
     0,
     "54 граммов при крепкости напитка 96°\n",
     ""},
    {"NoticesInOrder",
     {"--strength", "100", "--age", "13", "--weight", "200"},
     0,
     "103 граммов при крепкости напитка 96°\n",
     "Больше в спирте не бывает :)\nРановато еще пить\nТы себя переоцениваешь...убавь вес\n"},
    {"ConversionFailure", {"--strength", "abc"}, 1, "", "'abc' is not a valid integer value.\n"},
    {"NoticeBeforeFailure",
     {"--strength", "3", "--age", ""},
     1,
     "",
     "Меньше градус не бывает\n'' is not a valid integer value.\n"},
    {"TrailingBlankFails", {"--weight", "70 "}, 1, "", "'70 ' is not a valid integer value.\n"},
    {"UnknownOption", {"--colour", "red"}, 2, "", "--colour", true},
    {"PositionalArgument", {"40"}, 2, "", "'40'", true},
    {"MissingValue", {"--age"}, 2, "", "--age needs a value", true},
    {"IndexTooLarge", {"--beer", "2"}, 2, "", "--beer takes a number from 0 to 1", true},
    {"IndexNegative", {"--snacks", "-1"}, 2, "", "--snacks takes a number from 0 to 3", true},
    {"IndexNotANumber", {"--time", "two"}, 2, "", "--time takes a number from 0 to 2", true},
    {"IndexWithBlank", {"--sex", " 1"}, 2, "", "--sex takes a number from 0 to 1", true},
    {"InvalidUtf8QuotedByteForByte",
     {"--strength", "\xff\xfe"
                    "4\xc0"},
     1,
     "",
     "'\xff\xfe"
     "4\xc0' is not a valid integer value.\n"},
    {"ControlCharacters",
     {"--age", "2\t0\x1b[2J"},
     1,
     "",
     "'2\t0\x1b[2J' is not a valid integer value.\n"},
    {"RightToLeftMark",
     {"--weight", "\u200f70"},
     1,
     "",
     "'\u200f70' is not a valid integer value.\n"},
    {"HundredThousandDigits",
     {"--weight", std::string(100000, '7')},
     1,
     "",
     "'" + std::string(100000, '7') + "' is not a valid integer value.\n"},
    {"InvalidUtf8Option", {"--\xff"}, 2, "", "unknown option", true},
    {"UsageErrorBeforeCalculation",
     {"--strength", "abc", "--level", "9"},
     2,
     "",
     "--level takes a number from 0 to 3",
     true},
};

INSTANTIATE_TEST_SUITE_P(Arguments, Cli, ::testing::ValuesIn(Cases), RowName());

TEST(CliHelp, ListsEveryQuestionWithNumberedAnswers) {
    const TRun run = RunCli({"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    for (const char* expected :
         {"--strength TEXT", "--hangover N", "Пивом запивать будем ?",
          "      0  Расслабиться  (default)", "      2  Напиться до поросячего визга",
          "      3  Мастер !", "      2  Одним махом"}) {
        EXPECT_NE(run.Out.find(expected), std::string::npos) << expected;
    }
}

} // namespace
