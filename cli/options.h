#pragma once
// The command line of every vespra-cli command, read one way: options given as "--name",
// "--name VALUE" or "--name=VALUE", one file, and a mistake reported as one usage error.

#include <exception>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "common/locale_settings.h"

// A command line the command cannot take; reported with a pointer to --help and status 2.
struct UsageError {
    std::string message;
};

// One option a command takes.
struct CommandOption {
    std::string name;  // with its dashes: "--out"
    bool takesValue = false;
    // When the value is missing: this message; empty: "NAME precisa de um valor.".
    std::string missingValue = {};
    // Refuses a bad value (a UsageError) as soon as it is read, before the arguments after it.
    void (*check)(const std::string& value) = nullptr;
};

// The one file a command takes, named in its errors.
struct FileArgument {
    std::string noun;     // "mais de um NOUN informado ('A' e 'B')."
    std::string missing;  // the message when no file is given
};

// A command line read against the command's options: each option given, with the value it was
// given last, and the file.
class ParsedOptions {
  public:
    bool has(const std::string& name) const { return given_.count(name) > 0; }
    // The value given last; empty when the option was not given.
    std::string value(const std::string& name) const;

    std::string file;

  private:
    friend ParsedOptions parseOptions(const std::vector<std::string>&, const std::vector<CommandOption>&,
                                      const FileArgument&);
    std::map<std::string, std::string> given_;
};

// Reads `args` (what follows the command's name) in order; the first mistake is thrown as a
// UsageError: an unknown option, a missing value, a refused value, a second file, no file.
// An argument starting with "--" is an option; any other is the file (an empty one counts as
// none given yet); an option's separate value is taken as it is, dashes and all.
ParsedOptions parseOptions(const std::vector<std::string>& args, const std::vector<CommandOption>& known,
                           const FileArgument& file);

// The usage error of an option the command reads but belongs to `command` alone.
UsageError onlyForCommand(const std::string& option, const std::string& command);

// --locale NAME's settings; without the option, the environment's.
LocaleSettings localeOption(const ParsedOptions& options);

// --jobs N: a whole number from 1 to 1024; anything else is a UsageError naming the text.
int jobsOption(const std::string& text);
// jobsOption as a CommandOption's check.
void checkJobsOption(const std::string& text);
// The --jobs a command was given (its value was checked when it was read), else the cores this
// process may run on (usableCores: under a scheduler's CPU limit, that limit).
int jobsOrCores(const ParsedOptions& options);

// The reports of a command's end: a usage error (status 2) and a failure (status 1), each one
// line on `err`; both return the status.
int reportUsageError(const UsageError& e, std::ostream& err);
int reportFailure(const std::exception& e, std::ostream& err);
// A warning: one line on `err`; the command goes on.
void reportWarning(const std::string& message, std::ostream& err);
// A command's output written whole: 0, or 1 with one line on `err` when `out` failed.
int finishOutput(std::ostream& out, std::ostream& err);
