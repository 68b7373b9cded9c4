#pragma once
// The port through which applying the settings reaches the desktop: the file
// type of configurations and the agent's start with the user's session.
#include <string>

namespace kmpx {

class DesktopRegistration {
 public:
  virtual ~DesktopRegistration() = default;
  // Lets the desktop open configuration files with programFile. False on failure.
  virtual bool RegisterConfigFileType(const std::string& programFile) = 0;
  // Adds (on) or removes (off) the agent's start at log-on. Removing an entry
  // that is not there is no failure. False on failure.
  virtual bool SetAgentAutostart(bool on, const std::string& agentFile) = 0;
};

}  // namespace kmpx
