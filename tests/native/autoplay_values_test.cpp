// The values of AutoPlay's keys as Windows documents them, one row per rule.
#include "autoplay_values.h"

#include <gtest/gtest.h>

namespace {

using autoplay_values::ContentChoice;

TEST(ContentChoice, ReadsTheDocumentedWordsInAnyLetterCase) {
    const struct {
        const char* value;
        ContentChoice choice;
    } rows[] = {
        {"", ContentChoice::kUnset},     {"1", ContentChoice::kForce},
        {"Y", ContentChoice::kForce},    {"yes", ContentChoice::kForce},
        {"t", ContentChoice::kForce},    {"TRUE", ContentChoice::kForce},
        {"0", ContentChoice::kHide},     {"n", ContentChoice::kHide},
        {"No", ContentChoice::kHide},    {"F", ContentChoice::kHide},
        {"false", ContentChoice::kHide}, {"2", ContentChoice::kUnknown},
        {"ja", ContentChoice::kUnknown}, {"yes please", ContentChoice::kUnknown},
        {"01", ContentChoice::kUnknown},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.choice, autoplay_values::ReadContentChoice(row.value)) << row.value;
}

TEST(ContentChoice, KeepsTheStoredSpellingWhileTheChoiceIsWhatItReadsAs) {
    const struct {
        ContentChoice choice;
        const char* stored;
        const char* written;
    } rows[] = {
        {ContentChoice::kForce, "YES", "YES"},
        {ContentChoice::kHide, "0", "0"},
        {ContentChoice::kForce, "0", "true"},
        {ContentChoice::kHide, "", "false"},
        {ContentChoice::kUnset, "y", ""},
        {ContentChoice::kUnset, "", ""},
        {ContentChoice::kUnknown, "vielleicht", "vielleicht"},
        {ContentChoice::kHide, "vielleicht", "false"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.written, autoplay_values::ContentValueFor(row.choice, row.stored))
            << row.stored;
}

TEST(UseAutoPlay, ThreeStatesAndTheValueTheyKeep) {
    using autoplay_values::UseAutoPlayState;
    EXPECT_EQ(UseAutoPlayState::kOff, autoplay_values::ReadUseAutoPlay(""));
    EXPECT_EQ(UseAutoPlayState::kOn, autoplay_values::ReadUseAutoPlay("1"));
    EXPECT_EQ(UseAutoPlayState::kOther, autoplay_values::ReadUseAutoPlay("0"));
    EXPECT_EQ("1", autoplay_values::UseAutoPlayValueFor(UseAutoPlayState::kOn, "0"));
    EXPECT_EQ("", autoplay_values::UseAutoPlayValueFor(UseAutoPlayState::kOff, "1"));
    EXPECT_EQ("true", autoplay_values::UseAutoPlayValueFor(UseAutoPlayState::kOther, "true"));
}

TEST(UseAutoPlay, OnlyOneIsDocumentedForEveryWindows) {
    EXPECT_TRUE(autoplay_values::IsDocumentedUseAutoPlay("1"));
    for (const char* value : {"0", "true", "yes", "01", " 1"})
        EXPECT_FALSE(autoplay_values::IsDocumentedUseAutoPlay(value)) << value;
}

TEST(ActionText, NamesAFileAndAStringIdOnlyInTheDocumentedForm) {
    const struct {
        const char* value;
        const char* file;
        const char* id;
    } rows[] = {
        {"@texte\\cd.dll,-101", "texte\\cd.dll", "101"},
        {"@cd.dll,-7", "cd.dll", "7"},
        // the last comma separates the id: a file name may hold one
        {"@a,b.dll,-3", "a,b.dll", "3"},
        {"Programm starten", "", ""},
        {"@cd.dll,101", "", ""},
        {"@,-101", "", "101"},
        {"Spiel, Teil 2", "", ""},
        {"@", "", ""},
    };
    for (const auto& row : rows) {
        const autoplay_values::ActionText text = autoplay_values::ReadActionText(row.value);
        EXPECT_EQ(row.file, text.file) << row.value;
        EXPECT_EQ(row.id, text.id) << row.value;
    }
}

} // namespace
