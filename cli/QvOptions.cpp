#include "cli/QvOptions.h"

#define QV_SYNOPSIS                                                                                                    \
  "usage: qv scan [--no-recurse] [--exclude DIR]... ROOT -o FILE\n"                                                    \
  "       qv compare [--no-recurse] [--exclude DIR]... FILE [-o REPORT]\n"                                             \
  "       qv --help | --version\n"

const char* const QvSynopsis = QV_SYNOPSIS;

const char* const QvUsage =
    QV_SYNOPSIS "\n"
                "scan     records every file below ROOT in the collection FILE and its\n"
                "         directory list (FILE with the extension .qd)\n"
                "compare  checks the disk against the collection FILE and prints what\n"
                "         changed; -o also writes the report to REPORT (CR LF line ends)\n"
                "\n"
                "--no-recurse   record (or check) the subdirectories of ROOT as entries, not walk them\n"
                "--exclude DIR  skip the directory DIR and everything below it (repeatable)\n"
                "\n"
                "exit status: 0 done (compare: no difference), 1 compare found differences, 2 error\n"
                "\n"
                "report lines of compare:\n"
                "  COLLECTION FOR ROOT (DATE TIME)  the root, and when the collection was saved\n"
                "  PATH - Size: N                   the size changed by N bytes\n"
                "  PATH - DATE TIME                 same size, a new last-write time\n"
                "  PATH - Missing                   the file is gone\n"
                "  PATH - File Access Denied        the file is there but cannot be read\n"
                "  PATH - New                       the file is not in the collection\n"
                "  DONE, MM:SS                      the minutes and seconds taken\n"
                "\n"
                "More in the manual page qv(1) and in Quorvik's help.\n";

namespace {

const std::string& TakeValue(const std::vector<std::string>& Args, size_t& I)
{
  if (I + 1 >= Args.size()) throw EUsage{Args[I] + " needs a value"};
  return Args[++I];
}

}  // namespace

TQvOptions ParseQvOptions(const std::vector<std::string>& Args)
{
  TQvOptions opts;
  if (Args.empty()) throw EUsage{"no command given"};
  const std::string& command = Args[0];
  if (command == "--help" || command == "-h" || command == "help") return opts.Command = TQvOptions::Help, opts;
  if (command == "--version") return opts.Command = TQvOptions::Version, opts;
  if (command == "scan")
    opts.Command = TQvOptions::Scan;
  else if (command == "compare")
    opts.Command = TQvOptions::Compare;
  else
    throw EUsage{"unknown command '" + command + "'"};

  bool haveInput = false, haveOutput = false;
  for (size_t i = 1; i < Args.size(); ++i) {
    const std::string& arg = Args[i];
    if (arg == "--no-recurse") {
      opts.Recurse = false;
    } else if (arg == "--exclude") {
      opts.Excludes.push_back(TakeValue(Args, i));
    } else if (arg == "-o") {
      if (haveOutput) throw EUsage{"-o given twice"};
      opts.Output = TakeValue(Args, i);
      haveOutput = true;
    } else if (arg == "--help" || arg == "-h") {
      TQvOptions help;
      help.Command = TQvOptions::Help;
      return help;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      throw EUsage{"unknown option '" + arg + "'"};
    } else if (haveInput) {
      throw EUsage{"unexpected argument '" + arg + "'"};
    } else {
      opts.Input = arg;
      haveInput = true;
    }
  }
  const bool scan = opts.Command == TQvOptions::Scan;
  if (!haveInput || opts.Input.empty()) throw EUsage{scan ? "no ROOT directory given" : "no collection FILE given"};
  if (scan && (!haveOutput || opts.Output.empty())) throw EUsage{"scan needs -o FILE"};
  if (haveOutput && opts.Output.empty()) throw EUsage{"-o needs a file name"};
  return opts;
}
