// The desktop program's command line: one simulation file, --help and --version anywhere,
// every other option refused with its name.

#include <gtest/gtest.h>

#include "app/start_args.h"

namespace {

using Kind = StartArgs::Kind;

struct Case {
    const char* name;
    std::vector<std::string> args;
    Kind kind;
    const char* file;     // Open: the file to open
    const char* message;  // Error: a part of the message
};

const Case kCases[] = {
    {"nothing", {}, Kind::Open, "", nullptr},
    {"a file", {"/home/ana/simulação.csv"}, Kind::Open, "/home/ana/simulação.csv", nullptr},
    {"help", {"--help"}, Kind::Help, "", nullptr},
    {"short help", {"-h"}, Kind::Help, "", nullptr},
    {"help after a file", {"a.csv", "--help"}, Kind::Help, "", nullptr},
    {"help after a bad option", {"--xyz", "--help"}, Kind::Help, "", nullptr},
    {"version", {"--version"}, Kind::Version, "", nullptr},
    {"unknown option", {"--ajuda"}, Kind::Error, "", "opção desconhecida: --ajuda."},
    {"unknown short option", {"-x", "a.csv"}, Kind::Error, "", "opção desconhecida: -x."},
    {"two files", {"a.csv", "b.csv"}, Kind::Error, "", "\"a.csv\" e \"b.csv\""},
    {"empty name", {""}, Kind::Error, "", "está vazio"},
    {"a file named like an option", {"--", "-h.csv"}, Kind::Open, "-h.csv", nullptr},
    {"help after the end of options is a file", {"--", "--help"}, Kind::Open, "--help", nullptr},
    {"a lone dash is a name", {"-"}, Kind::Open, "-", nullptr},
};

TEST(StartArgs, Table) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const StartArgs r = parseStartArgs(c.args);
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.file, c.file);
        if (c.message) {
            EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
            EXPECT_EQ(r.message.rfind("vespra: ", 0), 0u) << r.message;
            EXPECT_NE(r.message.find("vespra --help"), std::string::npos) << r.message;
        } else {
            EXPECT_TRUE(r.message.empty()) << r.message;
        }
    }
}

// Before Qt starts, its own options (-platform offscreen, -style Fusion) are still in the list:
// the early scan answers --help and --version only and lets everything else through.
TEST(StartArgs, EarlyScanLeavesQtOptionsAlone) {
    EXPECT_EQ(parseStartArgs({"-platform", "offscreen", "a.csv"}, true).kind, Kind::Open);
    EXPECT_EQ(parseStartArgs({"-style", "Fusion", "--version"}, true).kind, Kind::Version);
    EXPECT_EQ(parseStartArgs({"-platform", "offscreen", "a.csv"}).kind, Kind::Error);
}

}  // namespace
