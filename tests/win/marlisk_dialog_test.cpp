// The dialog's construction: its virtual root and its change flags.
#include "marlisk_fixture.h"

namespace {

using MarliskDialog = MarliskFixture;

TEST_F(MarliskDialog, TakesTheInfsDirectoryAsVirtualRoot) {
    OpenDialog("sub.dir\\AutoRun.INF");
    EXPECT_EQ(std::string(Dialog().VirtualRoot()), CdDir() + "sub.dir\\");
}

TEST_F(MarliskDialog, TakesAPathWithoutAnyDotForADirectory) {
    // Neither the directory nor the name has a dot: the path counts as a directory.
    const std::string root = CdDir().substr(0, CdDir().find('\\') + 1) + "quillotnodot";
    CreateDirectoryA(root.c_str(), nullptr);
    OpenDialog(root + "\\autorun");
    EXPECT_EQ(std::string(Dialog().VirtualRoot()), root + "\\autorun\\");
    RemoveDirectoryA(root.c_str());
}

TEST_F(MarliskDialog, InADriveRootTheRootHasThreeCharacters) {
    OpenDialog("Z:\\AutoRun.INF");
    EXPECT_EQ(std::string(Dialog().VirtualRoot()), "Z:\\");
}

} // namespace
