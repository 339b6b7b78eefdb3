#include "image_plan.h"

#include "ascii_case.h"
#include "autorun_inf.h"
#include "cp1252.h"
#include "inf_names.h"

namespace iso_image {

namespace {

// The label of the AutoRun.INF in the tree's root (its name in any case); empty when there is
// no such file or it names no label.
std::u16string LabelOfTree(const SourceTree& tree) {
    for (const SourceNode& child : tree.root.children) {
        if (child.directory ||
            !ascii_case::Same(cp1252::Narrowed(child.name), inf_names::InfFile()))
            continue;
        const std::string path = image_platform::DocumentPath(child.path);
        if (path.empty())
            return std::u16string();
        const INIFile document(path.c_str());
        // Windows does not read the UTF-8 mark: the line behind it is lost to it.
        return autorun::AutoRunInf(document, document.Encoding() == TextEncoding::kUtf8).Label();
    }
    return std::u16string();
}

} // namespace

ImagePlan PlanImage(const image_platform::NativeString& root,
                    const std::optional<std::u16string>& label,
                    const image_platform::NativeString& target, bool udf) {
    ImagePlan plan;
    plan.settings.udf = udf;
    plan.tree = ReadSourceTree(root, target, LargestFile(plan.settings));
    // Only a tree of files the formats hold has a layout worth measuring.
    if (plan.tree.refusals.empty()) {
        if (const auto beyond = BeyondSectorLimit(plan.tree, plan.settings))
            plan.tree.refusals.push_back(Refusal{RefusalKind::kImageTooLarge, *beyond});
    }
    plan.settings.label = label ? *label : LabelOfTree(plan.tree);
    if (plan.settings.label.empty())
        plan.settings.label = image_platform::LastComponent(root);
    plan.settings.time = plan.tree.newest;
    return plan;
}

} // namespace iso_image
