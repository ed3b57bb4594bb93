#pragma once
// Other programs: the search client started hidden and watched, programs started
// and left to run, what the shell opens for a path or an address, and the windows
// other programs keep.
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace findaro {

struct ProcessOutcome {
  bool started = false;
  unsigned long exitCode = 0;
};

// A program started hidden and not waited for. It and everything it starts end
// together, when asked to or at the latest when this is dropped.
class RunningProgram {
 public:
  virtual ~RunningProgram() = default;
  // The exit code once the program has ended by itself; nothing while it runs.
  virtual std::optional<unsigned long> exitCode() = 0;
  // Ends the program and everything it started, and returns once they are gone.
  virtual void end() = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;

  // Starts a program (its full path) with its whole command line, the program's
  // own name first, hidden, in the given folder. Null when it could not start.
  virtual std::unique_ptr<RunningProgram> startHidden(const std::string& program, const std::string& commandLine,
                                                      const std::string& folder) = 0;
  // Starts a program with a normal window and does not wait.
  virtual bool startProgram(const std::string& path, const std::string& arguments) = 0;
  // Hands a file, a folder or a web address to the shell's "Open".
  virtual void openWithShell(const std::string& target) = 0;
  // The friendly name of the program that opens files with this extension.
  virtual std::optional<std::string> associatedAppName(const std::string& extension) = 0;
  // The full path of a program in this program's folder or else on the PATH.
  virtual std::optional<std::string> findOnPath(const std::string& program) = 0;
  // The class names of the windows, shown, hidden or message-only, whose class
  // begins with the prefix (compared without regard to case).
  virtual std::vector<std::string> windowClassesStartingWith(const std::string& prefix) = 0;
};

}  // namespace findaro
