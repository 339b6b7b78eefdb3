// The names of the CD's context-menu entries: which keys belong to an entry, how a typed name
// is cleaned and numbered, and the order in which entries are listed.
#include "entry_names.h"
#include "menu_entry.h"
#include "sorted_indirect_array.h"
#include "string_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using entry_names::EntryNameOfKey;
using entry_names::MakeUniqueName;

// The prefix as the editor loads it, so that a slip in the table shows here too.
std::string ShellPrefix() {
    return StringTableText(IDS_SHELL_PREFIX);
}

struct KeyCase {
    const char* key;
    std::optional<std::string> name;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << '"' << c.key << "\" gives " << (c.name ? '"' + *c.name + '"' : "none");
}

class EntryKey : public testing::TestWithParam<KeyCase> {};

TEST_P(EntryKey, NamesItsEntryOrNone) {
    EXPECT_EQ(EntryNameOfKey(GetParam().key, ShellPrefix()), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EntryKey,
    testing::Values(KeyCase{"Shell\\Setup", "Setup"}, KeyCase{"Shell\\Setup\\Command", "Setup"},
                    KeyCase{"Shell\\Setup\\ddeexec", "Setup"}, KeyCase{"Shell\\", ""},
                    KeyCase{"Shell\\\\Command", ""},
                    KeyCase{"Shell\\Setup Now\\Command", "Setup Now"},
                    KeyCase{"Shell\\ALongVerbNameFromSomeoneElse\\Command",
                            "ALongVerbNameFromSomeoneElse"},
                    // other letter case, or no backslash, is no entry key
                    KeyCase{"shell\\Setup", std::nullopt}, KeyCase{"SHELL\\Setup", std::nullopt},
                    KeyCase{"Shell", std::nullopt}, KeyCase{"ShellSetup", std::nullopt},
                    KeyCase{"Open", std::nullopt}, KeyCase{"", std::nullopt}));

// As Windows reads the keys, the prefix's letter case does not matter; the name keeps its own.
TEST(EntryKeyIgnoringCase, TakesThePrefixInAnyLetterCase) {
    using entry_names::PrefixCase;
    EXPECT_EQ(EntryNameOfKey("shell\\Setup\\command", ShellPrefix(), PrefixCase::kIgnored),
              "Setup");
    EXPECT_EQ(EntryNameOfKey("SHELL\\", ShellPrefix(), PrefixCase::kIgnored), "");
    EXPECT_EQ(EntryNameOfKey("shellx", ShellPrefix(), PrefixCase::kIgnored), std::nullopt);
    EXPECT_EQ(EntryNameOfKey("shel", ShellPrefix(), PrefixCase::kIgnored), std::nullopt);
}

// Names that an entry bears already.
std::string UniqueAmong(const std::string& name, const std::set<std::string>& taken) {
    return MakeUniqueName(name, [&taken](const std::string& n) { return taken.count(n) != 0; });
}

struct NameCase {
    std::string typed;
    std::set<std::string> taken;
    std::string expected;
};

// Bytes above 127 as \xNN, so that the test's name is plain ASCII.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const unsigned char c : text) {
        if (c < 0x80) {
            escaped += static_cast<char>(c);
            continue;
        }
        const char digits[] = "0123456789ABCDEF";
        escaped += {'\\', 'x', digits[c >> 4], digits[c & 0xF]};
    }
    return escaped;
}

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << '"' << Escaped(c.typed) << "\" among";
    for (const std::string& name : c.taken)
        *out << " \"" << name << '"';
    if (c.taken.empty())
        *out << " none";
}

class UniqueName : public testing::TestWithParam<NameCase> {};

TEST_P(UniqueName, IsCleanShortAndFree) {
    EXPECT_EQ(UniqueAmong(GetParam().typed, GetParam().taken), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, UniqueName,
                         testing::Values(
                             // cleaning: ASCII letters and digits only, at most eight of them
                             NameCase{"Setup Now", {}, "SetupNow"},
                             NameCase{"Programm installieren", {}, "Programm"},
                             NameCase{"a-b_c.d!e", {}, "abcde"},
                             NameCase{"M\xFC"
                                      "ller 2",
                                      {},
                                      "Mller2"},
                             NameCase{"\xC4\xD6\xDC\xDF\x80\xFF", {}, ""}, NameCase{"", {}, ""},
                             NameCase{"123456789", {}, "12345678"},
                             // numbering: the name cut so that name and number fit eight characters
                             NameCase{"PopupMnu", {"PopupMnu"}, "PopupMn1"},
                             NameCase{"PopupMnu", {"PopupMnu", "PopupMn1", "PopupMn2"}, "PopupMn3"},
                             NameCase{"Setup", {"Setup"}, "Setup1"},
                             NameCase{"Setup", {"Setup", "Setup1", "Setup2"}, "Setup3"},
                             NameCase{"Set up", {"Setup"}, "Setup1"},
                             // a gap is filled before higher numbers are tried
                             NameCase{"Setup", {"Setup", "Setup2"}, "Setup1"},
                             // the empty name is a name like any other
                             NameCase{"!!", {""}, "1"}, NameCase{"", {"", "1"}, "2"},
                             // a taken candidate of another entry is skipped
                             NameCase{"Setup1", {"Setup1"}, "Setup11"}));

TEST(UniqueNameNumbers, GoOnPastNineWithAShorterName) {
    std::set<std::string> taken;
    std::vector<std::string> made;
    for (int i = 0; i < 12; ++i) {
        made.push_back(UniqueAmong("PopupMnu", taken));
        taken.insert(made.back());
    }
    const std::vector<std::string> expected = {"PopupMnu", "PopupMn1", "PopupMn2", "PopupMn3",
                                               "PopupMn4", "PopupMn5", "PopupMn6", "PopupMn7",
                                               "PopupMn8", "PopupMn9", "PopupM10", "PopupM11"};
    EXPECT_EQ(made, expected);
}

TEST(UniqueNameNumbers, ReachHundredsWithinEightCharacters) {
    std::set<std::string> taken = {"Abcdefgh"};
    for (int k = 1; k <= 99; ++k)
        taken.insert((k < 10 ? "Abcdefg" : "Abcdef") + std::to_string(k));
    EXPECT_EQ(UniqueAmong("Abcdefghij", taken), "Abcde100");
}

TEST(EntryOrder, IsByteOrderWithExactCase) {
    TISArrayAsVector<autorun::MenuEntry> entries(11, 10);
    for (const char* name : {"alpha", "Zeta", "Abc", "2nd", "", "\xC4pfel", "abc"})
        entries.Add(std::make_unique<autorun::MenuEntry>(name, "", ""));
    std::vector<std::string> order;
    for (const auto& item : entries)
        order.push_back(item->name);
    const std::vector<std::string> expected = {"",    "2nd",   "Abc",     "Zeta",
                                               "abc", "alpha", "\xC4pfel"};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(entries.Find(autorun::MenuEntry("abc", "", "")), 4u);
    EXPECT_EQ(entries.Find(autorun::MenuEntry("ABC", "", "")), entries.NPOS);
}

} // namespace
