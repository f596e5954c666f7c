// SPDX-License-Identifier: Apache-2.0
#include "cli/Run.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "cli/BoxNames.h"
#include "cli/Commands.h"
#include "cli/Failure.h"
#include "cli/Send.h"

namespace cli {

namespace {

struct Command {
  const char* name;
  std::string help;
  std::vector<KnownOption> options;
  bool takesOperands;
  int (*run)(const Arguments& arguments, Outside& outside);
};

const char* const kProgramHelp =
    "Usage: mrl770-settings COMMAND [ARGUMENTS]\n"
    "\n"
    "Sets the permanent settings of the Zel MRL 770 printer and prints its features page.\n"
    "\n"
    "Commands:\n"
    "  encode    print the settings command for NAME=VALUE settings\n"
    "  decode    show the settings a settings command holds\n"
    "  apply     send the settings command to a printer\n"
    "  features  print the features page, or write its bytes\n"
    "  list      show every box with its entries, default, access key and rule\n"
    "\n"
    "mrl770-settings COMMAND --help tells more; mrl770-settings --version gives the version.\n"
    "Exit status: 0 done, 1 usage error, 2 bad name, value or command bytes,\n"
    "3 printer busy (nothing sent), 4 no printer, cannot open, or not accepted,\n"
    "5 standard output or the --out file cannot be written, 6 --wait: the job was\n"
    "cancelled or aborted or the spooler lost it, 7 --wait: the time ran out.\n";

const char* const kPrintHelp =
    "-d QUEUE (--printer) prints to QUEUE instead of the default printer; -h SERVER\n"
    "(--server HOST[:PORT]|SOCKET) uses that scheduler. A job sent is shown as QUEUE-ID,\n"
    "as cancel and lpstat take it; --json shows an object with the queue, job and outcome.\n"
    "--wait follows the job until it ends, at most --timeout SECONDS (60 unless told);\n"
    "only a completed job ends with status 0.\n";

std::vector<KnownOption> withPrintOptions(std::vector<KnownOption> own,
                                          const std::vector<KnownOption>& print) {
  own.insert(own.end(), print.begin(), print.end());
  return own;
}

const std::vector<Command>& commands() {
  static const std::vector<Command> table = {
      {"encode",
       "Usage: mrl770-settings encode [NAME=VALUE ...] [--raw]\n"
       "       mrl770-settings encode --batch [--raw] <SETTINGS\n"
       "\n"
       "Prints the 15-byte settings command as hex bytes; --raw writes the bytes themselves.\n"
       "NAME is a box's name or caption (see mrl770-settings list); VALUE an entry's text, its\n"
       "first word when no other entry shares it (PageLength=6), or #N, the entry at index N.\n"
       "Boxes not named keep their defaults; FontType, Emulation and Interface are set first.\n"
       "--batch reads one set of NAME=VALUE words a line from stdin (blanks inside double\n"
       "quotes: CharacterTable=\"Set 2\") and prints one command a line, an empty line for a\n"
       "bad one, which stderr names by its number; the exit status is the worst line's.\n",
       {{"--raw", false}, {"--batch", false}},
       true,
       encodeCommand},
      {"decode",
       "Usage: mrl770-settings decode [HEX ...] [--json]\n"
       "\n"
       "Shows the settings of one command, one NAME: Entry line per box, or one JSON object.\n"
       "The command is read from the arguments as hex, or from stdin (no argument, or -) as\n"
       "hex or raw bytes.\n",
       {{"--json", false}},
       true,
       decodeCommand},
      {"apply",
       std::string(
           "Usage: mrl770-settings apply [NAME=VALUE ... | --from FILE|-]\n"
           "                             [-d QUEUE ... | --all | --all-queues] [-h SERVER]\n"
           "                             [--json] [--wait [--timeout S]]\n"
           "\n"
           "Sends the settings command as one job. Refuses a printer whose queue is not\n"
           "empty. --from sends a command saved by encode (raw or hex; - for stdin) after\n"
           "checking it as decode does. -d may be given for several queues; --all takes every\n"
           "queue whose driver or description names the MRL 770, --all-queues every queue.\n"
           "Several queues get their jobs at once; each reports as one queue alone would, in\n"
           "the order given (by name for --all), and the exit status is the worst of theirs.\n") +
           kPrintHelp,
       withPrintOptions({{"--from", true}}, severalQueuesPrintOptions()), true, applyCommand},
      {"features",
       std::string(
           "Usage: mrl770-settings features [--emulation IBM|ESC/P] [-d QUEUE] [-h SERVER]\n"
           "                                [--json] [--wait [--timeout S]] | --out FILE|-\n"
           "\n"
           "Prints the features page in the emulation (ESC/P unless told). --out writes\n"
           "the page's bytes to FILE, or to stdout for -, instead.\n") +
           kPrintHelp,
       withPrintOptions({{"--emulation", true}, {"--out", true}}, printOptions()), false,
       featuresCommand},
      {"list",
       "Usage: mrl770-settings list [--json]\n"
       "\n"
       "Shows every box in window order with its entries and indexes, its default, its\n"
       "access key, and the rule that governs it.\n",
       {{"--json", false}},
       false,
       listCommand},
  };
  return table;
}

bool asksForHelp(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--help") return true;
  }
  return false;
}

// The words the shell's completion offers, one a line, asked of the program so that they live
// in one place: "--complete commands", "--complete options COMMAND", "--complete boxes",
// "--complete entries BOX".
int complete(const std::vector<std::string>& what, Outside& outside) {
  std::vector<std::string> words;
  const std::string asked = what.empty() ? "" : what.front();
  if (asked == "commands" && what.size() == 1) {
    for (const Command& command : commands()) words.push_back(command.name);
  } else if (asked == "options" && what.size() == 2) {
    for (const Command& command : commands()) {
      if (what[1] != command.name) continue;
      for (const KnownOption& option : command.options) {
        words.push_back(option.name);
        if (option.letter != '\0') words.push_back(std::string("-") + option.letter);
      }
      words.push_back("--help");
    }
  } else if (asked == "boxes" && what.size() == 1) {
    for (std::size_t i = 0; i < settings::kBoxCount; ++i) {
      words.push_back(boxName(static_cast<settings::Box>(i)));
    }
  } else if (asked == "entries" && what.size() == 2) {
    if (const auto box = boxNamed(what[1])) words = everyEntry(*box);
  } else {
    throw Failure(kUsageError, "--complete takes commands, options COMMAND, boxes or entries BOX");
  }
  for (const std::string& word : words) outside.out << word << '\n';
  return kDone;
}

int runCommand(const std::vector<std::string>& arguments, Outside& outside) {
  if (arguments.empty())
    throw Failure(kUsageError, "no command given\n" + std::string(kProgramHelp));
  const std::string& name = arguments.front();
  if (name == "--help") {
    outside.out << kProgramHelp;
    return kDone;
  }
  if (name == "--complete") {
    return complete({arguments.begin() + 1, arguments.end()}, outside);
  }
  if (name == "--version") {
    outside.out << kProgram << ' ' << MRL770_VERSION << '\n';
    return kDone;
  }
  for (const Command& command : commands()) {
    if (name != command.name) continue;
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (asksForHelp(rest)) {
      outside.out << command.help;
      return kDone;
    }
    const Arguments parsed = parseArguments(rest, command.options);
    if (!command.takesOperands && !parsed.operands.empty()) {
      throw Failure(kUsageError,
                    std::string(command.name) + " takes no argument " + parsed.operands.front());
    }
    return command.run(parsed, outside);
  }
  throw Failure(kUsageError, "no command " + name + "; try " + kProgram + " --help");
}

}  // namespace

int run(const std::vector<std::string>& arguments, Outside& outside) {
  try {
    errno = 0;
    const int status = runCommand(arguments, outside);
    // A full disk or a closed descriptor may show only now, when the last bytes go.
    outside.out.flush();
    if (!outside.out) {
      throw Failure(kCannotWrite, std::string("cannot write standard output: ") +
                                      (errno != 0 ? std::strerror(errno) : "the stream failed"));
    }
    return status;
  } catch (const Failure& failure) {
    outside.err << kProgram << ": " << failure.what() << '\n';
    return failure.status();
  }
}

}  // namespace cli
