// F1 on a control opens the page of its group: every page named must be one of the help's
// sources, and the controls of one group must share it.
#include "autoplay_dlg_ids.h"
#include "cd_check_dlg_ids.h"
#include "help_topics.h"
#include "platforms_dlg_ids.h"
#include "preview_dlg_ids.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Group {
    const char* name;
    std::vector<int> controls;
};

const Group kGroups[] = {
    {"autoplay", {IDC_AUTOPLAY_LABEL, IDC_AUTOPLAY_FILE, IDC_BROWSE_AUTOPLAY_FILE}},
    {"starter",
     {IDC_USE_STARTER, IDC_STARTER_GROUP, IDC_HEADLINE_LABEL, IDC_HEADLINE, IDC_QUESTION_TEXT_LABEL,
      IDC_QUESTION_TEXT, IDC_STARTER_PROGRAM_LABEL, IDC_STARTER_PROGRAM, IDC_BROWSE_STARTER_PROGRAM,
      IDC_TEST_STARTER}},
    {"icon", {IDC_ICON_FILE, IDC_BROWSE_ICON_FILE, IDC_ICON_MARKER, IDC_ICON_NUMBER}},
    {"entries",
     {IDC_ENTRY_LIST, IDC_NEW_ENTRY, IDC_DELETE_ENTRY, IDC_ENTRY_NAME_LABEL, IDC_ENTRY_NAME,
      IDC_ENTRY_COMMAND_LABEL, IDC_ENTRY_COMMAND, IDC_BROWSE_ENTRY_COMMAND, IDC_MENU_TEXT_LABEL,
      IDC_MENU_TEXT}},
    {"check", {IDC_CD_CHECK_LIST, IDC_CD_CHECK_LABEL, IDC_CD_CHECK_COPY}},
    {"autoplay keys", {IDC_AUTOPLAY_ACTION}},
    {"platforms", {IDC_PLATFORM_LIST}},
    {"preview", {IDC_PREVIEW_LIST}},
};

TEST(HelpTopics, EachGroupHasOneExistingPageOfItsOwn) {
    std::vector<std::string> pages;
    for (const Group& group : kGroups) {
        SCOPED_TRACE(group.name);
        const char* page = HelpTopicOf(group.controls.front());
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(HELP_SOURCE_DIR) / page))
            << page << " is not among the help's sources";
        for (int control : group.controls) {
            const char* same = HelpTopicOf(control);
            EXPECT_STREQ(same, page) << "control " << control;
        }
        for (const std::string& other : pages)
            EXPECT_NE(other, page) << "two groups share a page";
        pages.emplace_back(page);
    }
}

TEST(HelpTopics, ControlsOfNoGroupGetTheContents) {
    // OK, Abbruch (IDOK 1, IDCANCEL 2), Hilfe, and a request that names no control.
    for (int control : {1, 2, IDC_HELP_BUTTON, 0, IDC_STATIC})
        EXPECT_EQ(HelpTopicOf(control), nullptr) << "control " << control;
}

} // namespace
