// The subcommands of quillo-tool; each returns the process exit status and reports on stderr.
#pragma once

#include <string>
#include <vector>

using ToolArgs = std::vector<std::string>;

int CompressCommand(const ToolArgs& args);   // compress INPUT OUTPUT [--description TEXT]
int ListCommand(const ToolArgs& args);       // list FILE
int InfoCommand(const ToolArgs& args);       // info FILE
int WordlistCommand(const ToolArgs& args);   // wordlist build INPUT OUTPUT | wordlist dump FILE
