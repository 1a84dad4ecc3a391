#pragma once
// velmora-pack: drives the compressed container in file mode from the command line.
//   velmora-pack compress [--mode good|fast|auto] IN OUT
//   velmora-pack decompress IN OUT
//   velmora-pack advise IN
// Prints the container's final status text; on failure prints its message on err.

#include <ostream>
#include <string>
#include <vector>

namespace velmora {

// Runs one command (arguments without the program name); returns the exit code: 0 on success, 1
// when the container fails, 2 when the arguments make no command.
int RunPackCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velmora
