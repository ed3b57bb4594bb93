#pragma once
// Other programs: the search client run and waited for, programs started and
// left to run, and what the shell opens for a path or an address.
#include <optional>
#include <string>

namespace findaro {

struct ProcessOutcome {
  bool started = false;
  unsigned long exitCode = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;

  // Runs a command line hidden and waits for it to end.
  virtual ProcessOutcome runHidden(const std::string& commandLine) = 0;
  // Starts a program with a normal window and does not wait.
  virtual bool startProgram(const std::string& path, const std::string& arguments) = 0;
  // Hands a file, a folder or a web address to the shell's "Open".
  virtual void openWithShell(const std::string& target) = 0;
  // The friendly name of the program that opens files with this extension.
  virtual std::optional<std::string> associatedAppName(const std::string& extension) = 0;
  // The full path of a program found on the PATH.
  virtual std::optional<std::string> findOnPath(const std::string& program) = 0;
};

}  // namespace findaro
