#include "help_topics.h"

#include "autoplay_dlg_ids.h"
#include "cd_check_dlg_ids.h"
#include "platforms_dlg_ids.h"
#include "preview_dlg_ids.h"
#include "resource_ids.h"

namespace {

struct GroupTopic {
    int controlId;
    const char* page;
};

// Every control of a group, labels included: F1 in a field or on its label means the same.
constexpr GroupTopic kTopics[] = {
    {IDC_AUTOPLAY_LABEL, "autoplay.htm"},
    {IDC_AUTOPLAY_FILE, "autoplay.htm"},
    {IDC_BROWSE_AUTOPLAY_FILE, "autoplay.htm"},
    {IDC_USE_STARTER, "starter.htm"},
    {IDC_STARTER_GROUP, "starter.htm"},
    {IDC_HEADLINE_LABEL, "starter.htm"},
    {IDC_HEADLINE, "starter.htm"},
    {IDC_QUESTION_TEXT_LABEL, "starter.htm"},
    {IDC_QUESTION_TEXT, "starter.htm"},
    {IDC_STARTER_PROGRAM_LABEL, "starter.htm"},
    {IDC_STARTER_PROGRAM, "starter.htm"},
    {IDC_BROWSE_STARTER_PROGRAM, "starter.htm"},
    {IDC_TEST_STARTER, "starter.htm"},
    {IDC_ICON_FILE, "symbol.htm"},
    {IDC_BROWSE_ICON_FILE, "symbol.htm"},
    {IDC_ICON_MARKER, "symbol.htm"},
    {IDC_ICON_NUMBER, "symbol.htm"},
    {IDC_ENTRY_LIST, "kontext.htm"},
    {IDC_NEW_ENTRY, "kontext.htm"},
    {IDC_DELETE_ENTRY, "kontext.htm"},
    {IDC_ENTRY_NAME_LABEL, "kontext.htm"},
    {IDC_ENTRY_NAME, "kontext.htm"},
    {IDC_ENTRY_COMMAND_LABEL, "kontext.htm"},
    {IDC_ENTRY_COMMAND, "kontext.htm"},
    {IDC_BROWSE_ENTRY_COMMAND, "kontext.htm"},
    {IDC_MENU_TEXT_LABEL, "kontext.htm"},
    {IDC_MENU_TEXT, "kontext.htm"},
    // The dialog of the CD's check, one page for all of it.
    {IDC_CD_CHECK_LABEL, "pruefen.htm"},
    {IDC_CD_CHECK_LIST, "pruefen.htm"},
    {IDC_CD_CHECK_COPY, "pruefen.htm"},
    // The dialog of AutoPlay's keys, one page for all of it.
    {IDC_AUTOPLAY_ACTION, "autoplay_mehr.htm"},
    // The dialog of the platforms, one page for all of it.
    {IDC_PLATFORM_LIST, "plattformen.htm"},
    // The preview, one page for all of it.
    {IDC_PREVIEW_LIST, "vorschau.htm"},
};

} // namespace

const char* HelpTopicOf(int controlId) {
    for (const GroupTopic& topic : kTopics) {
        if (topic.controlId == controlId)
            return topic.page;
    }
    return nullptr;
}
