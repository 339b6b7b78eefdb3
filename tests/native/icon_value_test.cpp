#include "icon_value.h"

#include "icon_fields.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using icon_value::JoinIconValue;
using icon_value::SplitIconValue;

TEST(IconValue, SplitsAtTheFirstComma) {
    const struct {
        const char* value;
        const char* file;
        int number;
    } cases[] = {
        {"setup.exe,2", "setup.exe", 2},
        {"setup.exe", "setup.exe", 0},
        {"setup.exe,", "setup.exe", 0},
        {"setup.exe,x1", "setup.exe", 0},
        {"setup.exe, 007", "setup.exe", 7},
        {"setup.exe,-3", "setup.exe", -3},
        {"a,1,2", "a", 1},
        {",4", "", 4},
        {"bin\\\xE4\xF6\xFC.ico,99999999999", "bin\\\xE4\xF6\xFC.ico", INT_MAX},
        {"", "", 0},
        {"\"x.ico\",1", "\"x.ico\"", 1},
        {"\"x.ico'", "\"x.ico'", 0},
        {"\"", "\"", 0},
    };
    for (const auto& c : cases) {
        const icon_value::IconReference icon = SplitIconValue(c.value);
        EXPECT_EQ(icon.file, c.file) << '"' << c.value << '"';
        EXPECT_EQ(icon.number, c.number) << '"' << c.value << '"';
    }
}

TEST(IconValue, JoinsFileCommaAndPlainNumber) {
    EXPECT_EQ(JoinIconValue("Orbilan.EXE", 0), "Orbilan.EXE,0");
    EXPECT_EQ(JoinIconValue("", 0), ",0");
    EXPECT_EQ(JoinIconValue("x.dll", INT_MIN), "x.dll,-2147483648");
    const icon_value::IconReference again = SplitIconValue(JoinIconValue("x.dll", -12));
    EXPECT_EQ(again.file, "x.dll");
    EXPECT_EQ(again.number, -12);
}

// The fields as loading left them keep the INF's value only where rewriting it could change
// it; any edit of either field, even back to the same number, writes file, comma and number.
TEST(IconFields, KeepTheLoadedValueOnlyWhileUntouchedAndUnshownOrHidden) {
    const struct {
        bool shown;
        bool hidden;
        const char* file;
        const char* number;
        // Empty: the INF's own value stays.
        const char* value;
    } rows[] = {
        {true, false, "disc.ico", "0", "disc.ico,0"},
        {false, false, "disc.ico", "0", ""},
        {true, true, "disc.ico", "0", ""},
        {false, false, "disc.ico", "00", "disc.ico,0"},
        {false, false, "other.ico", "0", "other.ico,0"},
        {true, true, "disc.ico", " 3x", "disc.ico,3"},
    };
    for (const auto& row : rows) {
        icon_value::IconFields fields;
        fields.Loaded("disc.ico", "0", row.shown, row.hidden);
        EXPECT_EQ(fields.ValueOf(row.file, row.number), row.value)
            << row.shown << row.hidden << ' ' << row.file << ' ' << row.number;
    }
}

TEST(IconFields, CutTheFileSoThatTheValueFitsItsLine) {
    icon_value::IconFields fields;
    EXPECT_EQ(fields.ValueOf(std::string(600, 'a'), "-2147483648"),
              std::string(492, 'a') + ",-2147483648");
}

} // namespace
