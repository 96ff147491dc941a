// The system's reasons for a failed file operation, in Portuguese whatever the machine's
// language: the C library speaks English where no Portuguese catalogue is installed (and
// always on Windows), while every other word of a message is the program's own.
#pragma once

#include <string>
#include <system_error>

// The reason for an errno value, lower case, to follow "…: " in a message.
std::string systemMessage(int err);
// The same for a std::filesystem error; one the C library cannot name keeps its own text.
std::string systemMessage(const std::error_code& ec);
