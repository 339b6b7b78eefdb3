#include "windows_reading.h"

#include "ascii_case.h"
#include "autorun_inf.h"
#include "inf_names.h"
#include "string_ids.h"
#include "string_resource.h"

void AppendWindowsReading(std::string& text, std::string_view sectionName, unsigned x64Text,
                          unsigned x86Text) {
    const std::string_view processor = autorun::ProcessorOf(sectionName);
    if (ascii_case::Same(processor, inf_names::kAmd64)) {
        text += LoadResourceString(x64Text);
    } else if (ascii_case::Same(processor, inf_names::kX86)) {
        text += LoadResourceString(x86Text);
    } else {
        text += LoadResourceString(IDS_WINDOWS_FOR);
        text += ' ';
        text += processor;
    }
}
