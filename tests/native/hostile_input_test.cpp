// The dialog's long and hostile field texts through the portable rules behind the fields, under
// the sanitizers: each rule comes out with its documented result or cut, and nothing reads or
// writes past a buffer.
#include "entry_names.h"
#include "hostile_inputs.h"
#include "icon_fields.h"
#include "icon_value.h"
#include "number_text.h"
#include "path_workspace.h"
#include "root_references.h"

#include "bounded_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <set>
#include <string>

namespace {

using hostile_inputs::Input;

constexpr char kRoot[] = "C:\\Dokumente\\Brennen\\CD\\";
// What the dialog reads of a field for the INF, and of the command and menu text of an entry.
constexpr std::size_t kTextCapacity = 512;
constexpr std::size_t kIconFileCapacity = 493;

class HostileText : public testing::TestWithParam<Input> {
protected:
    std::string Text() const { return GetParam().text(std::strlen(kRoot)); }
};

TEST_P(HostileText, FileReferenceIsRefusedOrKeptWhole) {
    const Input& input = GetParam();
    const std::string text = Text();
    const std::string full = root_references::AbsoluteReference(kRoot, text);
    EXPECT_EQ(full, kRoot + text);
    EXPECT_EQ(full.size() <= filehelp::kMaxPathLength, input.fitsPath);

    // The path scratch: the documented cut to a path buffer.
    char scratch[filehelp::kPathBufferSize];
    filehelp::BoundedText(scratch, sizeof scratch).Append(full);
    EXPECT_EQ(std::string(scratch), full.substr(0, filehelp::kPathBufferSize - 1));

    const std::optional<std::string> target = root_references::PathInRoot(kRoot, text);
    EXPECT_EQ(target.has_value(), input.fitsPath);
    if (target) {
        EXPECT_EQ(*target, full);
    }

    const std::optional<std::string> relative = root_references::RelativeReference(kRoot, full);
    EXPECT_EQ(relative.has_value(), input.belowRoot);
    if (relative && input.belowRoot) {
        EXPECT_EQ(*relative, text);
    }
}

TEST_P(HostileText, BrowseStartsFromPathsThatFit) {
    char scratch[filehelp::kPathBufferSize];
    filehelp::BoundedText(scratch, sizeof scratch)
        .Append(root_references::AbsoluteReference(kRoot, Text()));
    filehelp::PathWorkspace workspace;
    const std::string directory = workspace.DirectoryOf(scratch);
    const std::string name = workspace.FileNameOf(scratch);
    EXPECT_LE(directory.size(), filehelp::kMaxPathLength);
    EXPECT_LE(name.size(), filehelp::kMaxPathLength);
    EXPECT_EQ(std::string(scratch).substr(0, directory.size()), directory);
}

TEST_P(HostileText, EntryNameIsCleanAndUnique) {
    const Input& input = GetParam();
    // The name field is read into a path buffer.
    const std::string typed = Text().substr(0, filehelp::kPathBufferSize - 1);
    EXPECT_EQ(entry_names::CleanName(typed), input.entryName);

    const std::set<std::string> taken = {input.entryName};
    const std::string unique = entry_names::MakeUniqueName(
        typed, [&taken](const std::string& name) { return taken.count(name) != 0; });
    EXPECT_EQ(taken.count(unique), 0u);
    EXPECT_LE(unique.size(), entry_names::kMaxNameLength);

    // A name read from a file may be of any length: its keys lead back to it.
    const std::string text = Text();
    const std::string name = text.substr(0, text.find('\\'));
    EXPECT_EQ(entry_names::EntryNameOfKey("Shell\\" + text + "\\Command", "Shell\\"), name);
}

TEST_P(HostileText, IconValueKeepsItsFileAndNumber) {
    const Input& input = GetParam();
    // The number field is read up to 15 characters for the preview.
    EXPECT_EQ(ParseFieldNumber(Text().substr(0, 15).c_str()), input.iconNumber);

    const std::string text = Text();
    const icon_value::IconReference icon = icon_value::SplitIconValue(text + ",3");
    EXPECT_EQ(icon.file, text);
    EXPECT_EQ(icon.number, 3);
    const icon_value::IconReference asNumber = icon_value::SplitIconValue("x.ico," + text);
    EXPECT_EQ(asNumber.number, ParseFieldNumber(text.c_str()));

    // On OK the file field is cut to its share, so the value fits the text buffer.
    const std::string written = icon_value::IconFields().ValueOf(text, FormatFieldNumber(INT_MIN));
    EXPECT_LT(written.size(), kTextCapacity);
    EXPECT_EQ(icon_value::SplitIconValue(written).file, text.substr(0, kIconFileCapacity - 1));
}

INSTANTIATE_TEST_SUITE_P(Inputs, HostileText, testing::ValuesIn(hostile_inputs::kInputs),
                         [](const testing::TestParamInfo<Input>& param) {
                             return std::string(param.param.label);
                         });

} // namespace
