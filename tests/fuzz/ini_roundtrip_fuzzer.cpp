// Any bytes as an AutoRun.INF, in any encoding the document reads: parsing, saving and
// parsing again must not crash, and what the second pass reads must be what the first wrote.
// The files live in memory (memory_platform.cpp), so that a run is not bound to the disk.
#include "ini_describe.h"
#include "memory_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kPath[] = "C:\\CD\\AutoRun.INF";

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "round trip broken: %s\n", what);
        std::abort();
    }
}

std::string FileBytes() {
    const std::string* bytes = memory_files::Find(kPath);
    Require(bytes != nullptr, "the file is gone");
    return *bytes;
}

} // namespace

// A run frees far less than this; the default quarantine of 256 MB only makes every run touch
// fresh pages, and still nothing freed in the last several hundred runs is handed out again.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    memory_files::Clear();
    const std::string input(reinterpret_cast<const char*>(data), size);
    memory_files::Put(kPath, input);

    std::string firstDocument;
    TextEncoding encoding = TextEncoding::kAnsi;
    {
        INIFile document(kPath);
        encoding = document.Encoding();
        firstDocument = DescribeAsWritten(document);
        MarkModified(document);
        if (!document.Save()) {
            // Only a file that cannot be read whole is refused, and it must stay as it was.
            Require(encoding != TextEncoding::kUnreadable || firstDocument.empty(),
                    "a file that cannot be read was parsed");
            Require(FileBytes() == input, "a refused file was changed");
            Require(memory_files::Count() == 1, "a refused save left a file behind");
            return 0;
        }
        // A UTF-8 file is written in code page 1252 or UTF-16; the others as they were read.
        Require(encoding == TextEncoding::kUtf8 || document.Encoding() == encoding,
                "the file changed its encoding");
        encoding = document.Encoding();
    }
    const std::string firstBytes = FileBytes();
    {
        INIFile document(kPath);
        Require(document.Encoding() == encoding, "the file changed its encoding");
        Require(Describe(document) == firstDocument, "the second parse differs from the first");
        MarkModified(document);
        Require(document.Save(), "a written file could not be written again");
    }
    Require(FileBytes() == firstBytes, "the second save wrote other bytes");
    Require(memory_files::Count() == 1, "a save left a file behind");
    return 0;
}
