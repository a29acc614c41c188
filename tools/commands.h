// The subcommands of quillo-tool; each returns the process exit status and reports on stderr.
#pragma once

#include <string>
#include <vector>

using ToolArgs = std::vector<std::string>;

int CompressCommand(const ToolArgs& args);   // compress INPUT OUTPUT [--description TEXT]
int ListCommand(const ToolArgs& args);       // list FILE
int InfoCommand(const ToolArgs& args);       // info FILE
int WordlistCommand(const ToolArgs& args);   // wordlist build INPUT OUTPUT | wordlist dump FILE

// True when output names the very file input names (same device and inode, through links too);
// a command then refuses, so that writing the output never destroys its own source.
bool IsSameFile(const std::string& input, const std::string& output);
