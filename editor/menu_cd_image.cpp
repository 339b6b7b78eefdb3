// The CD directory as an ISO 9660 image with Joliet, from the menu: the image is made of the
// files as they lie on the disk, so changes not yet saved are offered to be saved first. What
// the image cannot hold is shown before anything is written; the writing runs with the progress
// window of a copy, and a cancel or a failure leaves no file behind.
#include "menu_commands.h"

#include "autorun_inf.h"
#include "cd_image_name.h"
#include "cd_image_problems.h"
#include "copy_progress_view.h"
#include "file_choice.h"
#include "file_help.h"
#include "image_plan.h"
#include "inf_names.h"
#include "media_fit.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"
#include "wait_cursor.h"
#include "work_with_progress.h"

#include <array>
#include <string>

namespace {

// A path of the editor (code page of the system) as the writer opens it.
std::u16string UnitsOfAnsi(const std::string& text) {
    if (text.empty())
        return std::u16string();
    const int count = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), count, nullptr, 0);
    std::u16string units(static_cast<std::size_t>(length > 0 ? length : 0), u'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), count, reinterpret_cast<wchar_t*>(&units[0]),
                            length);
    return units;
}

// The text of textId with the path in a paragraph of its own.
std::string AboutPath(unsigned textId, const std::u16string& path) {
    return LoadResourceString(textId) + "\n\n" + AnsiOfUnits(path);
}

// Whether the file at path, as it is saved, reads to Windows as document does.
bool SavedAlike(const std::string& path, const INIFile& document) {
    INIFile saved(path.c_str());
    // Read only: it is never written, not even when it is UTF-8.
    saved.DiscardChanges();
    return autorun::ReadAlike(saved, document);
}

static_assert(IDS_IMAGE_FITS_NONE - IDS_IMAGE_FITS_CD650 ==
                  static_cast<unsigned>(iso_image::Medium::kNone),
              "a text for each medium and one for none");

// Which medium the image of the plan fits, with its sectors and the medium's.
std::string MediumText(const iso_image::ImagePlan& plan) {
    const std::uint64_t sectors =
        iso_image::SectorsOf(iso_image::ImageSize(plan.tree, plan.settings));
    const iso_image::Medium medium = iso_image::SmallestMediumFor(sectors);
    return copy_progress::BytesText(
        LoadResourceString(IDS_IMAGE_FITS_CD650 + static_cast<unsigned>(medium)), sectors,
        iso_image::NamedCapacity(medium).sectors);
}

unsigned TextOfOutcome(iso_image::WriteOutcome outcome) {
    switch (outcome) {
    case iso_image::WriteOutcome::kCannotCreate:
        return IDS_IMAGE_CANNOT_CREATE;
    case iso_image::WriteOutcome::kCannotRead:
        return IDS_IMAGE_CANNOT_READ;
    case iso_image::WriteOutcome::kChanged:
        return IDS_IMAGE_CHANGED;
    default:
        return IDS_IMAGE_CANNOT_WRITE;
    }
}

} // namespace

void MenuCommands::MakeCdImage() {
    editing_.RunPendingLeaveCheck();
    const HWND owner = editing_.Handle();
    INIFile& document = editing_.Document();
    const std::string caption = LoadResourceString(IDS_IMAGE_CAPTION);

    // What OK would write: when Windows would read it otherwise than the file, the image would
    // lack the user's changes. The forms the write-back gives a value ("disc.ico,0") are none.
    editing_.WriteBackFields();
    if (document.IsModified() && !SavedAlike(editing_.InfPath(), document)) {
        const int answer = ShowMessageBox(owner, LoadResourceString(IDS_IMAGE_UNSAVED).c_str(),
                                          caption.c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES && !document.Save()) {
            ShowMessageBox(owner, LoadResourceString(IDS_SAVE_FAILED).c_str(),
                           LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK);
            return;
        }
    }

    // The name as the user set it, saved or not.
    const autorun::AutoRunInf inf(document);
    const std::string label(inf.Value(inf_names::kLabel));
    const cd_image::RootPlace place = cd_image::PlaceOf(editing_.VirtualRoot());
    std::array<char, filehelp::kPathBufferSize> chosen{};
    if (!ChooseFileToWrite(owner, place.parent, cd_image::ProposedFileName(label, place.name),
                           IDS_IMAGE_FILTER, "iso", chosen.data()))
        return;
    const std::u16string target = UnitsOfAnsi(chosen.data());
    const std::u16string root = UnitsOfAnsi(editing_.VirtualRoot());

    iso_image::ImagePlan plan;
    CdCheckOutcome check;
    {
        const WaitCursor waitCursor;
        plan = iso_image::PlanImage(root, inf.Label(), target);
        check = CheckCdAsOnDisk();
    }
    const iso_image::SourceTree& tree = plan.tree;
    if (tree.unreadable) {
        ShowMessageBox(owner, AboutPath(IDS_IMAGE_UNREADABLE, tree.unreadablePath).c_str(),
                       LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK | MB_ICONSTOP);
        return;
    }
    ImageProblems problems;
    problems.refusals = tree.refusals;
    problems.checkErrors = ErrorLines(check);
    if (!MayWriteImage(owner, problems))
        return;

    CopyProgress progress;
    iso_image::WriteResult result;
    const ProgressTexts texts{caption, LoadResourceString(IDS_IMAGE_LABEL),
                              theFileHelp->FileNameOf(chosen.data())};
    RunWithProgress(owner, texts, progress, [&] {
        result = iso_image::WriteImage(tree, plan.settings, target,
                                       [&progress](std::uint64_t written, std::uint64_t total) {
                                           progress.SetTotal(total);
                                           progress.Add(written - progress.Done());
                                           return !progress.CancelRequested();
                                       });
    });

    switch (result.outcome) {
    case iso_image::WriteOutcome::kWritten:
        ShowMessageBox(owner,
                       (AboutPath(IDS_IMAGE_WRITTEN, target) + "\n\n" + MediumText(plan)).c_str(),
                       caption.c_str(), MB_OK | MB_ICONINFORMATION);
        return;
    case iso_image::WriteOutcome::kCancelled:
        return;
    default: {
        const bool aboutSource = result.outcome == iso_image::WriteOutcome::kCannotRead ||
                                 result.outcome == iso_image::WriteOutcome::kChanged;
        const std::string text =
            AboutPath(TextOfOutcome(result.outcome), aboutSource ? result.path : target);
        ShowMessageBox(owner, text.c_str(), LoadResourceString(IDS_ERROR_CAPTION).c_str(),
                       MB_OK | MB_ICONSTOP);
    }
    }
}
