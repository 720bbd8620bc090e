#pragma once
#include <string>
#include <string_view>

// Everything after the program name of a command line, taken as a single
// argument: blanks around it dropped, one pair of enclosing quotes removed.
// The program hands its log path over unquoted, so a path with blanks must
// still arrive whole.
std::string SoleArgument(std::string_view commandLine);
