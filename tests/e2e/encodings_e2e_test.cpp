// AutoRun.INF files that the editor once could not keep, edited through the real editor under
// Wine: a UTF-16 file with characters beyond code page 1252, and a line longer than the line
// buffer. Windows' own profile reader checks what was written.
#include "editor_on_cd.h"
#include "resource_ids.h"

#include <string>

namespace {

std::string Utf16FileOf(const std::wstring& text) {
    std::string bytes("\xFF\xFE");
    for (wchar_t unit : text)
        bytes += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

std::wstring ProfileValue(const wchar_t* key) {
    const std::string path = CdRoot() + "AutoRun.INF";
    const std::wstring widePath(path.begin(), path.end());
    wchar_t value[256] = L"";
    GetPrivateProfileStringW(L"AutoRun", key, L"<missing>", value, 256, widePath.c_str());
    return value;
}

const std::wstring kLabel = L"\u65E5\u672C\u8A9E\u30C7\u30A3\u30B9\u30AF";

using Encodings = EditorOnCd;

TEST_F(Encodings, AUtf16InfIsEditedInUtf16AndKeepsItsJapaneseLabel) {
    ASSERT_TRUE(WriteCdFile(
        "AutoRun.INF", Utf16FileOf(L"[AutoRun]\r\nopen=setup.exe\r\nlabel=" + kLabel + L"\r\n")));
    ASSERT_TRUE(WriteCdFile("start.exe", "MZ"));
    OpenCdInf();
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), "setup.exe");

    session_->SetField(IDC_AUTOPLAY_FILE, "start.exe");
    // Leaving the field checks the file: it lies on the CD.
    ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_LIST)) << DescribeWindowsOf(session_->Process().id());
    PressOkAndExpectEnd();

    EXPECT_EQ(CdInf(), Utf16FileOf(L"[AutoRun]\r\nIcon=,0\r\nlabel=" + kLabel +
                                   L"\r\nopen=start.exe\r\n\r\n\r\n"));
    EXPECT_EQ(ProfileValue(L"open"), L"start.exe");
    EXPECT_EQ(ProfileValue(L"label"), kLabel);
}

TEST_F(Encodings, ALineLongerThanTheBufferComesBackWhole) {
    std::string comment;
    for (int i = 0; comment.size() < 3000 - 13; ++i)
        comment += static_cast<char>('a' + i % 26);
    const std::string longLine = "label=Demo ; " + comment;
    ASSERT_EQ(longLine.size(), 3000u);
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\n" + longLine + "\r\nopen=setup.exe\r\n"));
    OpenCdInf();
    PressOkAndExpectEnd();

    EXPECT_EQ(CdInf(),
              "[AutoRun]\r\nIcon=,0\r\nlabel=Demo ; " + comment + "\r\nopen=setup.exe\r\n\r\n\r\n");
}

} // namespace
