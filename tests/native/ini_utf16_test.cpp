// AutoRun.INF in UTF-16: read into code page 1252 where it can be, written back in UTF-16,
// characters that code page 1252 lacks kept as long as their text is not changed.
#include "ini_describe.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The file's bytes: the mark, then each character low byte first.
std::string Utf16File(const std::u16string& text) {
    std::string bytes("\xFF\xFE");
    for (char16_t unit : text)
        bytes += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

// Both in the writer's layout, so that a rewrite of the unchanged document gives its bytes.
const std::u16string kLatin = u"[AutoRun]\r\nIcon=Gr\u00FC\u00DFe.ico,1\t; \u20AC 5\r\n"
                              u"Open=setup.exe\r\n\r\n\r\n";
// Sorted as the document sorts: a character without a byte sorts as its "?".
const std::u16string kForeign = u"[\u0416]\r\n\u0416=\u0416\r\n\U0001F600\r\n\r\n"
                                u"[AutoRun]\r\nIcon=x.ico\r\nOpen=setup.exe\r\n"
                                u"label=\u65E5\u672C\u8A9E CD\t; \u30B3\u30E1\r\n\r\n\r\n";

class Utf16Document : public ::testing::TestWithParam<std::u16string> {
protected:
    TempDir dir;
    const std::string path = dir.PathOf("AutoRun.INF");
};

TEST_P(Utf16Document, IsWrittenBackByteForByte) {
    const std::string bytes = Utf16File(GetParam());
    WriteBytes(path, bytes);
    {
        INIFile document(path.c_str());
        EXPECT_EQ(TextEncoding::kUtf16, document.Encoding());
        MarkModified(document);
        EXPECT_TRUE(document.Save());
    }
    EXPECT_EQ(bytes, ReadBytes(path));
}

// The edited key takes its new value; every other character stays as it was.
TEST_P(Utf16Document, ChangesOnlyTheEditedKey) {
    WriteBytes(path, Utf16File(GetParam()));
    {
        INIFile document(path.c_str());
        document.SetString("AutoRun", "Open", "neu \xE4\x80.exe");
    }
    std::u16string expected = GetParam();
    expected.replace(expected.find(u"setup.exe"), 9, u"neu \u00E4\u20AC.exe");
    EXPECT_EQ(Utf16File(expected), ReadBytes(path));
}

INSTANTIATE_TEST_SUITE_P(Texts, Utf16Document, ::testing::Values(kLatin, kForeign));

TEST(Utf16Values, AppearInCodePage1252AndAreKeptUnlessChanged) {
    TempDir dir;
    const std::string path = dir.PathOf("AutoRun.INF");
    WriteBytes(path, Utf16File(u"[AutoRun]\r\nIcon=Gr\u00FC\u00DFe.ico,1\r\n"
                               u"label=\u65E5\u672C\u8A9E CD\r\n"));
    INIFile document(path.c_str());
    EXPECT_STREQ("Gr\xFC\xDF"
                 "e.ico,1",
                 document.GetString("AutoRun", "Icon", ""));
    // Characters without a byte are shown as "?"; the value as shown is the value unchanged.
    EXPECT_STREQ("??? CD", document.GetString("AutoRun", "label", ""));
    EXPECT_TRUE(document.HasHiddenCharacters("AutoRun", "label"));
    EXPECT_FALSE(document.HasHiddenCharacters("AutoRun", "Icon"));
    document.SetString("AutoRun", "label", "??? CD");
    EXPECT_FALSE(document.IsModified());
    document.SetString("AutoRun", "label", "??? DVD");
    EXPECT_TRUE(document.IsModified());
    EXPECT_FALSE(document.HasHiddenCharacters("AutoRun", "label"));
}

// Windows' profile reader does not take the UTF-8 mark: such a file is written in code page
// 1252 when every character fits, in UTF-16 otherwise, also when nothing was changed.
TEST(Utf8Files, AreSavedInAFormWindowsReads) {
    struct Case {
        std::string utf8;
        std::string written;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF[A]\r\nk=\xC3\xA4 ; x\r\n", "[A]\r\nk=\xE4 ; x\r\n\r\n\r\n",
         TextEncoding::kAnsi},
        {"\xEF\xBB\xBF[A]\r\nk=\xE4\xB8\xAD\r\nj=1\r\n",
         Utf16File(u"[A]\r\nj=1\r\nk=\u4E2D\r\n\r\n\r\n"), TextEncoding::kUtf16},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.PathOf("AutoRun.INF");
        WriteBytes(path, c.utf8);
        {
            INIFile document(path.c_str());
            EXPECT_EQ(TextEncoding::kUtf8, document.Encoding());
            EXPECT_FALSE(document.IsModified());
            ASSERT_TRUE(document.Save());
            EXPECT_EQ(c.encoding, document.Encoding());
        }
        EXPECT_EQ(c.written, ReadBytes(path));
    }
}

} // namespace
