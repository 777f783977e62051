// Arbitrary bytes as a theme file: the portable reader and LoadVelmora must neither crash
// nor break the reading rules' limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Platform.h"
#include "tests/support/MemoryFileSystem.h"
#include "theme/PortableProfileReader.h"
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace {

constexpr char kFile[] = "C:\\Themes\\Fuzz\\fuzz.vlr";

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    test::MemoryFileSystem files;
    files.AddFile(kFile, std::string(reinterpret_cast<const char*>(data), size));
    PortableProfileReader reader(files);

    // The first bytes also choose an odd section, key and buffer size to ask for.
    const std::string section = size > 0 && data[0] % 4 == 0 ? "" : "Velmora";
    const std::string key = size > 1 ? std::string(1, static_cast<char>(data[1])) : "";
    const std::size_t bufferSize = size > 2 ? data[2] % 8 : 255;
    Check(reader.ReadString(section, key, "'d'", bufferSize, kFile).size() + 1 <=
          (bufferSize == 0 ? 1 : bufferSize));

    Platform platform;
    platform.files = &files;
    platform.profile = &reader;
    clsVelmora theme(platform);
    Check(theme.LoadVelmora(kFile));
    Check(!theme.ThemeTitle().empty());
    for (const ThemeFileKey& k : ThemeFileKeys()) {
        // Without the placeholder nothing can grow past the 254-character cut.
        if (!k.takesInstallDir) Check(((theme.*k.read)()).size() <= 254);
    }
    return 0;
}
