// The subcommands of quillo-tool; each returns the process exit status and reports on stderr.
#pragma once

#include <memory>
#include <string>
#include <vector>

class Solver;

using ToolArgs = std::vector<std::string>;

int CompressCommand(const ToolArgs& args);   // compress INPUT OUTPUT [--description TEXT]
int ListCommand(const ToolArgs& args);       // list FILE
int InfoCommand(const ToolArgs& args);       // info FILE
int WordlistCommand(const ToolArgs& args);   // wordlist build INPUT OUTPUT | wordlist dump FILE
int SolveCommand(const ToolArgs& args);      // solve [FILE] [--top N] [--json] ...
int RateCommand(const ToolArgs& args);       // rate FILE.cqt
int CheckCommand(const ToolArgs& args);      // check FILE [--no-solve]

// Shared by the commands: an error on stderr (exit status 1), a refused command line with the
// command's usage (2), the usage on stdout (0), and whether --help or -h was given.
int Fail(const std::string& message);
int UsageError(const std::string& message, const char* usage);
int PrintHelp(const char* usage);
bool WantsHelp(const ToolArgs& args);

// True when output names the very file input names (same device and inode, through links too);
// a command then refuses, so that writing the output never destroys its own source.
bool IsSameFile(const std::string& input, const std::string& output);
// The solver over the dictionary at path; null after saying why it cannot be read.
std::unique_ptr<Solver> LoadSolver(const std::string& dictionaryPath);
