#pragma once
// Other programs started through the system and the shell.
#include "findaro/system/processes.h"

namespace findaro {

class Win32Processes : public Processes {
 public:
  ProcessOutcome runHidden(const std::string& commandLine) override;
  bool startProgram(const std::string& path, const std::string& arguments) override;
  void openWithShell(const std::string& target) override;
  std::optional<std::string> associatedAppName(const std::string& extension) override;
  std::optional<std::string> findOnPath(const std::string& program) override;
};

}  // namespace findaro
