#include "cd_image_problems.h"

#include "copy_progress_view.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"

namespace {

// A box shows this many; the rest are counted.
constexpr std::size_t kShownProblems = 10;

std::string ListOf(unsigned headId, const std::vector<std::string>& lines) {
    std::string text = LoadResourceString(headId) + "\n";
    for (std::size_t index = 0; index < lines.size() && index < kShownProblems; ++index)
        text += "\n" + lines[index];
    if (lines.size() > kShownProblems)
        text += "\n" + copy_progress::BytesText(LoadResourceString(IDS_IMAGE_MORE),
                                                lines.size() - kShownProblems, 0);
    return text;
}

} // namespace

std::string AnsiOfUnits(const std::u16string& units) {
    if (units.empty())
        return std::string();
    const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
    const int count = static_cast<int>(units.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, count, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, wide, count, &text[0], length, nullptr, nullptr);
    return text;
}

bool MayWriteImage(HWND owner, const ImageProblems& problems) {
    const std::string caption = LoadResourceString(IDS_IMAGE_CAPTION);
    if (!problems.refusals.empty()) {
        std::vector<std::string> lines;
        for (const iso_image::Refusal& refusal : problems.refusals) {
            std::string path = AnsiOfUnits(refusal.path);
            for (char& c : path) {
                if (c == '/')
                    c = '\\';
            }
            lines.push_back(std::string(iso_image::TextOf(refusal.kind)) + " " + path);
        }
        ShowMessageBox(owner, ListOf(IDS_IMAGE_REFUSED, lines).c_str(), caption.c_str(),
                       MB_OK | MB_ICONSTOP);
        return false;
    }
    if (problems.checkErrors.empty())
        return true;
    const std::string question = ListOf(IDS_IMAGE_CHECK_ERRORS, problems.checkErrors) + "\n\n" +
                                 LoadResourceString(IDS_IMAGE_CONTINUE);
    return ShowMessageBox(owner, question.c_str(), caption.c_str(),
                          MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}
