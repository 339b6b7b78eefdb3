// The owning arrays: ownership, the place of a sorted insertion, and lookups whose equality
// is looser than their order.
#include "indirect_array.h"
#include "sorted_indirect_array.h"
#include "stable_order.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

namespace {

// Counts the living instances, so that tests see who destroyed what.
struct Tracked {
    explicit Tracked(int& living) : alive(living) { ++alive; }
    ~Tracked() { --alive; }
    int& alive;
};

// Ordered by its text, byte by byte; equal when the texts match without letter case.
struct Name {
    explicit Name(std::string t, int tag = 0) : text(std::move(t)), id(tag) {}
    std::string text;
    int id;
};
bool operator<(const Name& left, const Name& right) {
    return left.text < right.text;
}
bool operator==(const Name& left, const Name& right) {
    if (left.text.size() != right.text.size())
        return false;
    for (std::size_t i = 0; i < left.text.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(left.text[i])) !=
            std::toupper(static_cast<unsigned char>(right.text[i])))
            return false;
    }
    return true;
}

TISArrayAsVector<Name> SortedOf(const std::vector<const char*>& texts) {
    TISArrayAsVector<Name> array;
    int tag = 0;
    for (const char* text : texts)
        array.Add(std::make_unique<Name>(text, tag++));
    return array;
}

std::string Joined(const TISArrayAsVector<Name>& array) {
    std::string out;
    for (const auto& item : array)
        out += item->text + "#" + std::to_string(item->id) + " ";
    return out;
}

TEST(OwningArray, DestroysWhatItHoldsAndHandsOverWhatIsDetached) {
    int alive = 0;
    {
        TIArrayAsVector<Tracked> array;
        for (int i = 0; i < 3; ++i)
            array.Add(std::make_unique<Tracked>(alive));
        array.Destroy(1);
        EXPECT_EQ(2, alive);
        std::unique_ptr<Tracked> kept = array.Detach(0);
        EXPECT_EQ(1u, array.GetItemsInContainer());
        array.Flush();
        EXPECT_EQ(1, alive);
        EXPECT_TRUE(array.IsEmpty());
        array.Add(std::make_unique<Tracked>(alive));
    }
    EXPECT_EQ(0, alive);
}

TEST(OwningArray, AddAtPutsTheItemInFrontOfTheOneAtThatPlace) {
    TIArrayAsVector<Name> array;
    array.Add(std::make_unique<Name>("a"));
    array.Add(std::make_unique<Name>("c"));
    array.AddAt(std::make_unique<Name>("b"), 1);
    EXPECT_EQ("b", array[1].text);
    EXPECT_EQ("c", array[2].text);
    EXPECT_EQ(2u, array.FindFirst([](const Name& n) { return n.text == "c"; }));
    EXPECT_EQ(array.NPOS, array.FindFirst([](const Name& n) { return n.text == "x"; }));
}

// The one sort the document's sections, keys and writer share: items that compare equal keep
// their order, whatever the count (the library switches methods with the length).
TEST(StableOrder, SortsAndKeepsTheOrderOfEqualItems) {
    const auto byFirstLetter = [](const void* items, unsigned left, unsigned right) {
        const auto& texts = *static_cast<const std::vector<std::string>*>(items);
        return texts[left][0] < texts[right][0];
    };
    for (unsigned count : {0u, 1u, 2u, 15u, 16u, 17u, 100u, 1000u}) {
        std::vector<std::string> texts;
        for (unsigned i = 0; i < count; ++i)
            texts.push_back(std::string(1, static_cast<char>('a' + (i * 7) % 5)) +
                            std::to_string(i));
        const std::vector<unsigned> order = StableOrder(count, &texts, byFirstLetter);
        ASSERT_EQ(count, order.size());
        for (unsigned at = 1; at < count; ++at) {
            const std::string& before = texts[order[at - 1]];
            const std::string& after = texts[order[at]];
            EXPECT_TRUE(before[0] < after[0] ||
                        (before[0] == after[0] && order[at - 1] < order[at]))
                << count << ": " << before << " before " << after;
        }
    }
}

TEST(SortedOwningArray, EqualItemsKeepTheOrderTheyCameIn) {
    const auto array = SortedOf({"b", "a", "b", "c", "a", "B"});
    EXPECT_EQ("B#5 a#1 a#4 b#0 b#2 c#3 ", Joined(array));
}

TEST(SortedOwningArray, KeepsTheGrowthStepItWasGiven) {
    TISArrayAsVector<Name> array(11, 10);
    EXPECT_EQ(10u, array.GrowthStep());
}

struct LookupCase {
    std::vector<const char*> held;
    const char* wanted;
    const char* found; // nullptr: nothing
};

void PrintTo(const LookupCase& c, std::ostream* out) {
    *out << c.wanted << " in";
    for (const char* held : c.held)
        *out << ' ' << held;
    if (c.held.empty())
        *out << " nothing";
}

class SortedLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(SortedLookup, FindsAMatchWhereverTheOrderPutsIt) {
    const LookupCase& c = GetParam();
    const auto array = SortedOf(c.held);
    const unsigned index = array.Find(Name(c.wanted));
    if (c.found == nullptr) {
        EXPECT_EQ(array.NPOS, index);
    } else {
        ASSERT_NE(array.NPOS, index);
        EXPECT_EQ(c.found, array[index].text);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SortedLookup,
                         ::testing::Values(LookupCase{{}, "a", nullptr},
                                           LookupCase{{"a"}, "A", "a"},
                                           LookupCase{{"a", "b", "c", "d", "e"}, "e", "e"},
                                           LookupCase{{"a", "b", "c", "d", "e"}, "a", "a"},
                                           LookupCase{{"a", "b", "c", "d", "e"}, "x", nullptr},
                                           // "Orbilan" sorts between "AutoRun" and "autorun": the
                                           // order leads the search away from the match.
                                           LookupCase{{"Orbilan", "autorun"}, "AutoRun", "autorun"},
                                           LookupCase{{"AutoRun", "Orbilan"}, "autorun", "AutoRun"},
                                           LookupCase{{"icon", "open"}, "Open", "open"},
                                           LookupCase{{"icon", "open"}, "Icon", "icon"}));

} // namespace
