// The one option parser of vespra-cli's commands: what it reads, and the first mistake it
// reports as a usage error, in the order the arguments stand.

#include <gtest/gtest.h>

#include "cli/options.h"

namespace {

void refuseZero(const std::string& value) {
    if (value == "0") throw UsageError{"--count recusa '0'."};
}

const std::vector<CommandOption> kOptions = {
    {"--flag"}, {"--name", true}, {"--count", true, "--count precisa de um número.", refuseZero}};
const FileArgument kFile = {"arquivo", "falta o arquivo."};

TEST(Options, ReadsFlagsValuesAndTheFile) {
    const ParsedOptions p =
        parseOptions({"--name", "x", "a.csv", "--flag", "--name=y", "--count=2"}, kOptions, kFile);
    EXPECT_EQ(p.file, "a.csv");
    EXPECT_TRUE(p.has("--flag"));
    EXPECT_EQ(p.value("--name"), "y");  // the value given last
    EXPECT_EQ(p.value("--count"), "2");
    // A separate value is taken as it is, dashes and all; "--name=" gives an empty value.
    const ParsedOptions dashes = parseOptions({"--name", "--flag", "--count=", "a.csv"}, kOptions, kFile);
    EXPECT_EQ(dashes.value("--name"), "--flag");
    EXPECT_FALSE(dashes.has("--flag"));
    EXPECT_TRUE(dashes.has("--count"));
    EXPECT_EQ(dashes.value("--count"), "");
    EXPECT_FALSE(dashes.has("--other"));
    // An empty argument is no file: the next one is the file.
    EXPECT_EQ(parseOptions({"", "b.csv"}, kOptions, kFile).file, "b.csv");
}

TEST(Options, TheFirstMistakeIsTheUsageError) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string message;
    };
    for (const Case& c : {
             Case{"unknown option", {"a.csv", "--bogus"}, "opção desconhecida '--bogus'."},
             Case{"flag given a value", {"a.csv", "--flag=1"}, "opção desconhecida '--flag=1'."},
             Case{"longer name", {"a.csv", "--namex=1"}, "opção desconhecida '--namex=1'."},
             Case{"missing value", {"a.csv", "--name"}, "--name precisa de um valor."},
             Case{"missing value, own message", {"a.csv", "--count"}, "--count precisa de um número."},
             Case{"refused value", {"a.csv", "--count=0"}, "--count recusa '0'."},
             Case{"refused value before an unknown option",
                  {"--count", "0", "--bogus"},
                  "--count recusa '0'."},
             Case{"unknown option before a refused value",
                  {"--bogus", "--count", "0"},
                  "opção desconhecida '--bogus'."},
             Case{"refused value given again",
                  {"a.csv", "--count", "0", "--count", "2"},
                  "--count recusa '0'."},
             Case{"second file",
                  {"a.csv", "--flag", "b.csv"},
                  "mais de um arquivo informado ('a.csv' e 'b.csv')."},
             Case{"second file, empty", {"a.csv", ""}, "mais de um arquivo informado ('a.csv' e '')."},
             Case{"second file before an unknown option",
                  {"a.csv", "b.csv", "--bogus"},
                  "mais de um arquivo informado ('a.csv' e 'b.csv')."},
             Case{"no file", {"--flag"}, "falta o arquivo."},
             Case{"empty file", {"", "--name", "x"}, "falta o arquivo."},
             Case{"missing value before no file", {"--name"}, "--name precisa de um valor."},
         }) {
        SCOPED_TRACE(c.name);
        try {
            parseOptions(c.args, kOptions, kFile);
            ADD_FAILURE() << "no usage error";
        } catch (const UsageError& e) {
            EXPECT_EQ(e.message, c.message);
        }
    }
}

}  // namespace
