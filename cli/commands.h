#pragma once
// The commands of vespra-cli, one file each (command_<name>.cpp). Each takes the arguments after
// its name, writes its results to `out` and its failures as one line on `err`, and returns the
// exit status: 0, 1 for a failure, 2 for a command line it cannot take.

#include <iosfwd>
#include <string>
#include <vector>

// run FILE [--locale NAME] [--json | --monthly]
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// costs FILE [--detailed] [--out PATH] [--locale NAME]
int costsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// methods FILE [--locale NAME] [--json] [--dry-months T] [--interception MM] [--confidence PCT]
int methodsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// scenarios DEF --out FOLDER [--locale NAME] [--jobs N]; progress goes to `err`, nothing to `out`.
int scenariosCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// import SOURCE --out RECORD [--format auto|inmet|ana|ghcn|noaa|csv] [--gaps refuse|zero|longest]
//        [--units mm|in] [--json] [--locale NAME]
int importCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
