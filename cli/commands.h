#pragma once
// The commands of vespra-cli, one file each (command_<name>.cpp). Each takes the arguments after
// its name, writes its results to `out` and its failures as one line on `err`, and returns the
// exit status: 0, or 1 for a failure. A command line it cannot take throws UsageError, which
// runCli reports (exit status 2).

#include <iosfwd>
#include <string>
#include <vector>

// run FILE [--locale NAME] [--json | --monthly] [--jobs N]
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// costs FILE [--detailed] [--out PATH] [--locale NAME] [--jobs N]
int costsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// methods FILE [--locale NAME] [--json] [--dry-months T] [--interception MM] [--confidence PCT]
int methodsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// scenarios DEF --out FOLDER [--locale NAME] [--jobs N] [--shard K/N | --merge]; progress goes to `err`,
// nothing to `out`.
int scenariosCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// import SOURCE --out RECORD [--format auto|inmet|ana|ghcn|noaa|csv] [--gaps refuse|zero|longest]
//        [--units mm|in] [--json] [--locale NAME]
int importCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
