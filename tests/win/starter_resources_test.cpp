// The starter's resources as Windows reads them from the built file: what windres made of the
// resource script, byte for byte.
#include "driver/windows_of.h"
#include "string_table.h"
#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class StarterResources : public testing::Test {
protected:
    static void SetUpTestSuite() {
        module_ = LoadLibraryExA(kStarterPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() {
        if (module_ != nullptr)
            FreeLibrary(module_);
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << "cannot load " << kStarterPath; }

    static std::string LoadText(unsigned id) {
        char text[512] = "";
        const int length = LoadStringA(module_, id, text, sizeof text);
        return std::string(text, length > 0 ? length : 0);
    }

    static inline const std::string kStarterPath = WindowsPathOf(ORBILAN_EXE);
    static inline HMODULE module_ = nullptr;
};

TEST_F(StarterResources, HoldTheStartersStringsExactly) {
    for (unsigned id : {700u, 701u, 702u, 703u, 704u, 870u, 871u, 872u, 873u, 874u}) {
        ASSERT_NE(StringTableText(id), nullptr);
        EXPECT_EQ(LoadText(id), StringTableText(id)) << "id " << id;
    }
    EXPECT_EQ(LoadText(872), "Das Dateiformat ist nicht g\xfcltig:");
}

TEST_F(StarterResources, HoldNoneOfTheEditorsStrings) {
    for (unsigned id : {1u, 2u, 750u, 800u, 853u, 857u})
        EXPECT_EQ(LoadText(id), "") << "id " << id;
}

TEST_F(StarterResources, HaveOneIconOf32By32In16Colours) {
    HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(IDI_ORBILAN), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
    ASSERT_NE(group, nullptr);
    const WORD count = group[4] | group[5] << 8;
    ASSERT_EQ(count, 1);
    const BYTE* entry = group + 6; // width, height, colours, reserved, planes, bits per pixel
    EXPECT_EQ(entry[0], 32);
    EXPECT_EQ(entry[1], 32);
    EXPECT_EQ(entry[2], 16);
    EXPECT_EQ(entry[6] | entry[7] << 8, 4);
}

TEST_F(StarterResources, AskForNoElevation) {
    HRSRC found = FindResourceA(module_, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    const std::string manifest(data, SizeofResource(module_, found));
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << manifest;
}

class StarterVersion : public testing::Test {
protected:
    void SetUp() override {
        const std::string path = WindowsPathOf(ORBILAN_EXE);
        DWORD ignored = 0;
        info_.resize(GetFileVersionInfoSizeA(path.c_str(), &ignored));
        ASSERT_FALSE(info_.empty());
        ASSERT_TRUE(
            GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(info_.size()), info_.data()));
    }
    std::string Value(const std::string& name) {
        void* value = nullptr;
        UINT length = 0;
        const std::string query = "\\StringFileInfo\\040704E4\\" + name;
        if (!VerQueryValueA(info_.data(), query.c_str(), &value, &length) || length == 0)
            return "<missing>";
        return static_cast<const char*>(value);
    }
    std::vector<char> info_;
};

TEST_F(StarterVersion, IsGermanInCodePage1252) {
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info_.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0407);
    EXPECT_EQ(translation[1], 1252);
}

TEST_F(StarterVersion, NamesTheStarter) {
    EXPECT_EQ(Value("FileVersion"), "1.00");
    EXPECT_EQ(Value("ProductVersion"), "1.00D");
    EXPECT_EQ(Value("FileDescription"), "Startprogram for CD-Rom-Distributions");
    EXPECT_EQ(Value("InternalName"), "Orbilan");
    EXPECT_EQ(Value("OriginalFilename"), "Orbilan.EXE");
}

} // namespace
