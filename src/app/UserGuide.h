#pragma once

#include <QString>

namespace kv {

// The user's guide installed with the program (index.html), looked up beside the running
// executable: "<bindir>/<relative path to the guide>". Empty when it is not there.
QString userGuideFile();

} // namespace kv
