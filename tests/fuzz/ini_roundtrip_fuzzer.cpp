// Any bytes as an AutoRun.INF: parsing, saving and parsing again must not crash, and what
// the second pass reads must be what the first wrote.
#include "ini_describe.h"
#include "temp_dir.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Lines longer than the line buffer come back in pieces whose borders depend on where the
// line lies in the file; a rewritten file may move them. Below this length (leaving room
// for the few bytes the writer adds to a line) every line is read whole.
constexpr std::size_t kLongestWholeLine = 2040;

bool HasOnlyShortLines(const std::string& bytes) {
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        if (end - start > kLongestWholeLine)
            return false;
        start = end + 1;
    }
    return true;
}

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "round trip broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempDir dir;
    const std::string path = dir.PathOf("AutoRun.INF");
    const std::string input(reinterpret_cast<const char*>(data), size);
    WriteBytes(path, input);

    std::string firstDocument;
    {
        INIFile document(path.c_str());
        firstDocument = DescribeAsWritten(document);
        MarkModified(document);
        if (!document.Save()) {
            // Only a file that is not 8-bit text is refused, and it must stay as it was.
            Require(firstDocument.empty(), "a refused file was parsed");
            Require(ReadBytes(path) == input, "a refused file was changed");
            return 0;
        }
    }
    const std::string firstBytes = ReadBytes(path);
    const bool comparable = HasOnlyShortLines(input);
    {
        INIFile document(path.c_str());
        if (comparable)
            Require(Describe(document) == firstDocument, "the second parse differs from the first");
        MarkModified(document);
        Require(document.Save(), "a written file could not be written again");
    }
    if (comparable)
        Require(ReadBytes(path) == firstBytes, "the second save wrote other bytes");
    return 0;
}
