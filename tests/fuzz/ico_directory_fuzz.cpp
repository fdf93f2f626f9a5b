// Fuzzes the icon file's directory: whatever a file claims, an accepted directory and every image
// it names lie inside the file, and a refused one gives no entries.
#include "../../catalogue/ico_directory.h"
#include "fuzz_support.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    // The file may be longer than the bytes read of it, never shorter.
    const std::uint64_t beyond = input.ConsumeIntegralInRange<std::uint64_t>(0, 1u << 20);
    const std::vector<std::uint8_t> head = input.ConsumeRemainingBytes<std::uint8_t>();
    const std::uint64_t fileSize = head.size() + beyond;

    std::vector<IcoEntry> entries;
    const bool fits = ReadIcoDirectory(head.data(), head.size(), fileSize, &entries);
    if (!fits) {
        Check(entries.empty(), "a refused directory gives no entries");
        return 0;
    }
    const std::size_t directorySize = IcoDirectorySize(head.data(), head.size());
    Check(directorySize >= kIcoHeaderSize && directorySize <= head.size(),
          "an accepted directory was read from the bytes given");
    Check(entries.size() == (directorySize - kIcoHeaderSize) / kIcoEntrySize,
          "one entry for each image the header counts");
    for (const IcoEntry& e : entries)
        Check(std::uint64_t{e.imageOffset} + e.bytesInRes <= fileSize,
              "every image of an accepted directory lies inside the file");
    return 0;
}
