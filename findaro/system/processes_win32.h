#pragma once
// Other programs started through the system and the shell, and the windows they keep.
#include "findaro/system/processes.h"

namespace findaro {

class Win32Processes : public Processes {
 public:
  std::unique_ptr<RunningProgram> startHidden(const std::string& program, const std::string& commandLine,
                                              const std::string& folder) override;
  bool startProgram(const std::string& path, const std::string& arguments) override;
  void openWithShell(const std::string& target) override;
  std::optional<std::string> associatedAppName(const std::string& extension) override;
  std::optional<std::string> findOnPath(const std::string& program) override;
  std::vector<std::string> windowClassesStartingWith(const std::string& prefix) override;
};

}  // namespace findaro
