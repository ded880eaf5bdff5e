// libFuzzer target: the MXF reader over arbitrary files of up to 1.2 MB.

#include "SparseSource.h"
#include "media/MXFReader.h"
#include "media/ProjectNames.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kv::FileUtilities;
    kv::fuzz::SparseSource file(data, size, 1200000);
    (void)IsMXF(file);
    const QString name = MXFReadProjectName(file);
    // Reads from memory never fail, so there is always a name, and a folder name for it.
    const QString folder = projectFolderName(name);
    if (name.isEmpty() || folder.isEmpty() || folder.size() > 33)
        std::abort();
    for (QChar c : name)
        if (c.unicode() > 0xFF || c.unicode() == 0)
            std::abort(); // one byte per character, zero bytes removed
    return 0;
}
