// libFuzzer target: the OMF reader over arbitrary files of up to 8 MB.

#include "SparseSource.h"
#include "media/OMFReader.h"
#include "media/ProjectNames.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kv::FileUtilities;
    kv::fuzz::SparseSource file(data, size, 8 << 20);
    // Reads from memory never fail, so the reader must not throw; an exception aborts here.
    const QString name = OMFReadProjectName(file);
    // A name read from the file is never longer than the file.
    const bool resultText = name.startsWith(QLatin1String("~ No Project Name: "));
    if ((!resultText && quint64(name.size()) > file.size()) || projectFolderName(name).isEmpty())
        std::abort();
    return 0;
}
