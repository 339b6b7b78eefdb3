// Copies a file into a CD root with the editor's FileHelp::CopyFileTo and with Windows'
// CopyFileA, alternately, and prints both times and their ratio: a 100 MB file of data and a
// 1 GB file that is one hole (sparse: reading it costs next to nothing, writing the copy costs
// every byte). The target is deleted before and after every copy; the first pair warms the
// caches and is not counted. The clock is QueryPerformanceCounter: elapsed wall time.
//
//   copy_bench SOURCE_DIRECTORY TARGET_DIRECTORY [PAIRS]
// The sources are made in SOURCE_DIRECTORY when they are missing or have another size. PAIRS
// replaces the number of counted pairs of every source.
#include "file_help.h"
#include "paired_runs.h"
#include "sample_stats.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kBlock = 1 << 20;
constexpr int kWarmUpPairs = 1;

struct Source {
    const char* name;
    DWORD blocks; // of 1 MB
    bool sparse;  // one hole, or deterministic bytes
    // Counted pairs: a copy of 100 MB lasts a tenth of a second, and a busy machine spreads
    // such short times widely.
    int pairs;
};

constexpr Source kSources[] = {
    {"source-100MB.bin", 100, false, 15},
    {"source-1GB.bin", 1024, true, 7},
};

class OwnedFile {
public:
    explicit OwnedFile(HANDLE handle) : handle_(handle) {}
    ~OwnedFile() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    OwnedFile(const OwnedFile&) = delete;
    OwnedFile& operator=(const OwnedFile&) = delete;
    HANDLE get() const { return handle_; }
    bool Close() {
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

std::uint64_t SizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

bool MakeSource(const std::string& path, const Source& source) {
    const std::uint64_t size = std::uint64_t{kBlock} * source.blocks;
    if (SizeOf(path) == size)
        return true;
    OwnedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return false;
    if (source.sparse) {
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(size);
        if (!SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get()))
            return false;
        return file.Close();
    }
    std::vector<unsigned char> block(kBlock);
    std::uint32_t state = 12345;
    for (DWORD b = 0; b < source.blocks; ++b) {
        for (unsigned char& byte : block) {
            state = state * 1103515245u + 12345u;
            byte = static_cast<unsigned char>(state >> 24);
        }
        DWORD written = 0;
        if (!WriteFile(file.get(), block.data(), kBlock, &written, nullptr) || written != kBlock)
            return false;
    }
    return file.Close();
}

using Copier = bool (*)(const std::string& source, const std::string& target);

bool CopyWithFileHelp(const std::string& source, const std::string& target) {
    FileHelp files(GetModuleHandleA(nullptr));
    return files.CopyFileTo(source.c_str(), target.c_str()) == 1;
}

bool CopyWithWindows(const std::string& source, const std::string& target) {
    return CopyFileA(source.c_str(), target.c_str(), FALSE) != FALSE;
}

std::optional<std::vector<double>> TimeCopy(Copier copy, const std::string& source,
                                            const std::string& target) {
    DeleteFileA(target.c_str());
    LARGE_INTEGER start, end, frequency;
    QueryPerformanceCounter(&start);
    const bool copied = copy(source, target);
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    const bool complete = copied && SizeOf(target) == SizeOf(source);
    DeleteFileA(target.c_str());
    if (!complete)
        return std::nullopt;
    return std::vector<double>{static_cast<double>(end.QuadPart - start.QuadPart) /
                               static_cast<double>(frequency.QuadPart)};
}

// Times the pairs for one source and prints them; false when a copy failed.
bool Compare(const std::string& sourceDirectory, const Source& source, const std::string& target,
             const char* targetName, int pairs) {
    const std::string path = sourceDirectory + source.name;
    if (!MakeSource(path, source)) {
        std::fprintf(stderr, "cannot make %s\n", path.c_str());
        return false;
    }
    PairedSeries series;
    if (!RunPairs([&] { return TimeCopy(CopyWithFileHelp, path, target); },
                  [&] { return TimeCopy(CopyWithWindows, path, target); }, kWarmUpPairs, pairs,
                  series))
        return false;
    const SampleSummary fileHelp = Summarize(series.subject[0]);
    const SampleSummary windows = Summarize(series.baseline[0]);
    const double megabytes = source.blocks * (double{kBlock} / (1 << 20));
    std::printf("Copy of %.0f MB (%s) into %s, %d alternating pairs after %d warm-up pair\n",
                megabytes, source.sparse ? "a sparse source" : "data", targetName, pairs,
                kWarmUpPairs);
    std::printf("  FileHelp::CopyFileTo %s, %.0f MB/s\n", Describe(fileHelp, "s").c_str(),
                megabytes / fileHelp.median);
    std::printf("  CopyFileA            %s, %.0f MB/s\n", Describe(windows, "s").c_str(),
                megabytes / windows.median);
    std::printf(
        "  ratio of medians CopyFileTo/CopyFileA: %.2fx; median of the pairs' ratios: %s\n",
        RatioOfMedians(fileHelp, windows),
        DescribeRatios(Summarize(PairRatios(series.subject[0], series.baseline[0]))).c_str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: copy_bench SOURCE_DIRECTORY TARGET_DIRECTORY [PAIRS]\n");
        return 2;
    }
    std::string sources = argv[1];
    if (sources.empty() || sources.back() != '\\')
        sources += '\\';
    std::string target = argv[2];
    if (target.empty() || target.back() != '\\')
        target += '\\';
    target += "copy.bin";
    for (const Source& source : kSources) {
        const int pairs = argc > 3 ? std::atoi(argv[3]) : source.pairs;
        if (!Compare(sources, source, target, argv[2], pairs))
            return 1;
        std::fflush(stdout);
    }
    return 0;
}
