// Prints the figures of a Windows executable that matter for the starter: its size on disk,
// its sections, the Windows version its header asks for and every function it imports.
//
//   starter_figures build/win32/starter/orbilan.exe
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Image {
    std::vector<unsigned char> bytes;

    uint32_t U16(size_t at) const {
        return at + 2 <= bytes.size() ? bytes[at] | bytes[at + 1] << 8 : 0;
    }
    uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
    uint64_t U64(size_t at) const { return U32(at) | uint64_t{U32(at + 4)} << 32; }
    std::string Text(size_t at) const {
        std::string text;
        while (at < bytes.size() && bytes[at] != 0)
            text += static_cast<char>(bytes[at++]);
        return text;
    }
};

struct Section {
    std::string name;
    uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

// The file offset of a relative virtual address, or 0 when no section holds it.
size_t OffsetOf(const std::vector<Section>& sections, uint32_t rva) {
    for (const Section& s : sections) {
        if (rva >= s.virtualAddress && rva < s.virtualAddress + std::max(s.virtualSize, s.rawSize))
            return rva - s.virtualAddress + s.rawOffset;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s EXECUTABLE\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    Image image{{std::istreambuf_iterator<char>(in), {}}};
    const size_t pe = image.U32(0x3C);
    if (image.bytes.size() < 0x40 || image.U32(pe) != 0x4550) {
        std::fprintf(stderr, "%s: not a PE image\n", argv[1]);
        return 1;
    }
    const uint32_t sectionCount = image.U16(pe + 6);
    const size_t optional = pe + 24;
    const bool pe32plus = image.U16(optional) == 0x20B;
    const size_t directories = optional + (pe32plus ? 112 : 96);
    std::vector<Section> sections;
    for (size_t at = optional + image.U16(pe + 20), i = 0; i < sectionCount; ++i, at += 40) {
        sections.push_back({image.Text(at).substr(0, 8), image.U32(at + 12), image.U32(at + 8),
                            image.U32(at + 20), image.U32(at + 16)});
    }

    std::printf("%s\n", argv[1]);
    std::printf("  size on disk       %zu bytes\n", image.bytes.size());
    std::printf("  machine            %s\n", pe32plus ? "x86_64" : "i386");
    std::printf("  subsystem version  %u.%u (OS version %u.%u)\n", image.U16(optional + 48),
                image.U16(optional + 50), image.U16(optional + 40), image.U16(optional + 42));
    std::printf("  sections\n");
    for (const Section& s : sections)
        std::printf("    %-8s %6u bytes used, %6u on disk\n", s.name.c_str(), s.virtualSize,
                    s.rawSize);

    std::printf("  imports\n");
    size_t descriptor = OffsetOf(sections, image.U32(directories + 8));
    for (; descriptor != 0 && image.U32(descriptor + 12) != 0; descriptor += 20) {
        std::printf("    %s:", image.Text(OffsetOf(sections, image.U32(descriptor + 12))).c_str());
        const uint32_t lookup =
            image.U32(descriptor) ? image.U32(descriptor) : image.U32(descriptor + 16);
        const size_t entrySize = pe32plus ? 8 : 4;
        for (size_t entry = OffsetOf(sections, lookup); entry != 0; entry += entrySize) {
            const uint64_t value = pe32plus ? image.U64(entry) : image.U32(entry);
            if (value == 0)
                break;
            const bool byOrdinal = value >> (pe32plus ? 63 : 31);
            if (byOrdinal)
                std::printf(" #%u", static_cast<unsigned>(value & 0xFFFF));
            else
                std::printf(
                    " %s",
                    image.Text(OffsetOf(sections, static_cast<uint32_t>(value)) + 2).c_str());
        }
        std::printf("\n");
    }
    return 0;
}
