// The AutoRun model over INF files written by the tests: what Windows reads from them, and
// what writing through the model keeps.
#include "autoplay_settings.h"
#include "autorun_inf.h"
#include "platform_sections.h"

#include "temp_dir.h"
#include "unshared_changes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class AutoRunModel : public testing::Test {
protected:
    std::unique_ptr<INIFile> Read(const std::string& bytes) {
        WriteBytes(path_, bytes);
        return std::make_unique<INIFile>(path_.c_str());
    }
    std::string Saved(INIFile& document) {
        EXPECT_TRUE(document.Save());
        return ReadBytes(path_);
    }

    TempDir temp_;
    std::string path_ = temp_.PathOf("AutoRun.INF");
};

TEST_F(AutoRunModel, ReadsTheLabelAsWindowsReadsIt) {
    const struct {
        std::string inf;
        std::u16string label;
    } rows[] = {
        {"[AutoRun]\r\nopen=setup.exe\r\nlabel=M\344rchen\r\n", u"M\u00e4rchen"},
        {"[AutoRun]\r\nlabel='Meine CD'\r\n", u"Meine CD"},
        {"[autorun]\nLABEL = \"Zwei W\366rter\" \n", u"Zwei W\u00f6rter"},
        {"[AutoRun]\nlabel=Erster\nlabel=Zweiter\n", u"Erster"},
        {"[AutoRun]\nopen=a\n[AutoRun]\nlabel=Zweiter Abschnitt\n", u""},
        {"[Orbilan]\nlabel=Anderer Abschnitt\n", u""},
        {"[AutoRun]\n;label=Kommentar\n", u""},
        {"label=ohne Abschnitt\n", u""},
        {std::string("\xFF\xFE[\0A\0u\0t\0o\0R\0u\0n\0]\0\n\0l\0a\0b\0e\0l\0=\0\xE5"
                     "\x65"
                     "\x2C"
                     "\x67",
                     38),
         u"\u65e5\u672c"},
    };
    for (const auto& row : rows) {
        const auto document = Read(row.inf);
        EXPECT_EQ(autorun::AutoRunInf(*document).Label(), row.label) << row.inf;
    }
}

// A file without [AutoRun] is edited where a Windows reads it: its first processor section.
TEST_F(AutoRunModel, TheSectionToEditIsTheOneWindowsReads) {
    const struct {
        const char* inf;
        const char* section;
    } rows[] = {
        {"[AutoRun.Amd64]\r\nopen=x64.exe\r\n[autorun]\r\nopen=a.exe\r\n", "autorun"},
        {"[Orbilan]\r\nExec=a.exe\r\n[autorun.x86]\r\nopen=a.exe\r\n[AutoRun.Amd64]\r\n",
         "autorun.x86"},
        {"[AutoRun.]\r\nopen=a.exe\r\n[AutoRunX]\r\nopen=a.exe\r\n", "AutoRun"},
        {"", "AutoRun"},
    };
    for (const auto& row : rows) {
        const auto document = Read(row.inf);
        EXPECT_EQ(autorun::SectionToEdit(autorun::InfView(*document, false)), row.section)
            << row.inf;
    }
}

TEST_F(AutoRunModel, ProcessorSectionsStandInForAutoRun) {
    const auto document =
        Read("[AutoRun]\r\nopen=alt.exe\r\n[AutoRun.Amd64]\r\nopen=x64\\setup.exe\r\n");
    const autorun::AutoRunInf inf(*document);
    EXPECT_EQ(std::string(*inf.SectionReadBy()), "AutoRun");
    EXPECT_EQ(std::string(*inf.SectionReadBy("amd64")), "AutoRun.Amd64");
    EXPECT_EQ(std::string(*inf.SectionReadBy("x86")), "AutoRun");
    EXPECT_EQ(inf.Open(), "alt.exe");
}

TEST_F(AutoRunModel, EntriesKeepTheSpellingOfTheirKeys) {
    const auto document =
        Read("[AutoRun]\r\nSHELL\\Lies=Lies mich\r\nshell\\lies\\COMMAND=a.exe\r\n"
             "shell\\Web\\Command=b.exe\r\n");
    const autorun::AutoRunInf inf(*document);
    ASSERT_EQ(inf.MenuEntries().size(), 2u);
    const autorun::MenuEntry& lies = inf.MenuEntries()[0];
    EXPECT_EQ(lies.name, "Lies");
    EXPECT_EQ(lies.menuText, "Lies mich");
    EXPECT_EQ(lies.command, "a.exe");
    EXPECT_EQ(lies.commandKey, "shell\\lies\\COMMAND");
    EXPECT_EQ(inf.Spelling().prefix, "SHELL\\");
    EXPECT_EQ(inf.Spelling().suffix, "\\COMMAND");
    // A new entry takes the file's spelling.
    const autorun::MenuEntry added("Neu", "", "");
    EXPECT_EQ(autorun::CommandKeyOf(added, inf.Spelling()), "SHELL\\Neu\\COMMAND");
}

TEST_F(AutoRunModel, ADeletedEntryLosesEverySpellingAndTheOthersStayByteForByte) {
    const auto document = Read("[AutoRun]\r\nshell\\a=A\r\nSHELL\\A\\command=a.exe\r\n"
                               "Shell\\b\\Command=b.exe\r\n=\r\n=wert\r\n");
    const autorun::AutoRunInf inf(*document);
    const autorun::MenuEntry kept = inf.MenuEntries()[1];
    ASSERT_EQ(kept.name, "b");
    autorun::WriteMenuEntries(*document, "AutoRun", {&kept}, inf.Spelling());
    EXPECT_EQ(Saved(*document), "[AutoRun]\r\n=\r\n=wert\r\nShell\\b\\Command=b.exe\r\n\r\n\r\n");
}

TEST_F(AutoRunModel, AFieldShowingTheStartOfALongValueLeavesItWhole) {
    const std::string command = "setup.exe /i" + std::string(392, 'x');
    ASSERT_EQ(command.size(), 404u);
    EXPECT_TRUE(autorun::ShowsUnchanged(command, command.substr(0, 259), 259));
    EXPECT_FALSE(autorun::ShowsUnchanged(command, command.substr(0, 258), 259));
    EXPECT_FALSE(autorun::ShowsUnchanged(command, "setup.exe", 259));
    EXPECT_TRUE(autorun::ShowsUnchanged("kurz", "kurz", 259));
}

TEST_F(AutoRunModel, TheWriteBacksFormsAreNoChange) {
    const struct {
        const char* before;
        const char* after;
        bool alike;
    } rows[] = {
        {"[AutoRun]\r\nicon=disc.ico\r\n", "[AutoRun]\r\nIcon=disc.ico,0\r\n", true},
        {"[AutoRun]\r\nicon=disc.ico, 007\r\n", "[AutoRun]\r\nicon=disc.ico,7\r\n", true},
        {"[AutoRun]\r\nicon=disc.ico\r\n", "[AutoRun]\r\nicon=disc.ico,1\r\n", false},
        {"[AutoRun]\r\nicon=disc.ico\r\n", "[AutoRun]\r\nicon=andere.ico,0\r\n", false},
        {"[AutoRun]\r\nopen=a.exe\r\n", "[AutoRun]\r\nopen=a.exe\r\nOpen=\r\n", true},
        {"[AutoRun]\r\nopen=a.exe\r\n", "[AutoRun]\r\nopen=a.exe\r\n[Orbilan]\r\n", true},
        {"[AutoRun]\r\nopen=a.exe\r\n", "[AutoRun]\r\nopen=b.exe\r\n", false},
        {"[AutoRun]\r\nlabel=CD\r\n", "[AutoRun]\r\nlabel=cd\r\n", false},
        {"[AutoRun]\r\n=wert\r\n", "[AutoRun]\r\n", false},
    };
    TempDir other;
    for (const auto& row : rows) {
        const auto before = Read(row.before);
        WriteBytes(other.PathOf("b.inf"), row.after);
        const INIFile after(other.PathOf("b.inf").c_str());
        EXPECT_EQ(autorun::ReadAlike(*before, after), row.alike) << row.before << row.after;
    }
}

// The keys AutoPlay reads, from the section a Windows reads and from [Content]; written back
// where they changed, every other line as the file wrote it.
TEST_F(AutoRunModel, AutoPlaySettingsChangeOnlyWhatTheUserChanged) {
    const std::string inf = "[AutoRun]\r\nACTION = Installieren  \r\nopen=setup.exe\r\n"
                            "UseAutoPlay=0\r\nshell=lies\r\n"
                            "[AutoRun.Amd64]\r\naction=x64\r\nshellexecute=liesmich.txt\r\n"
                            "[Content]\r\nMusicFiles=YES\r\nVideoFiles=0\r\n";
    using Edit = void (*)(autorun::AutoPlaySettings&);
    const struct {
        const char* section;
        Edit edit;
        std::string saved;
    } rows[] = {
        {"AutoRun", [](autorun::AutoPlaySettings& s) { s.action = "Spielen"; },
         "[AutoRun]\r\nACTION=Spielen\r\nUseAutoPlay=0\r\nopen=setup.exe\r\n"
         "shell=lies\r\n\r\n[AutoRun.Amd64]\r\naction=x64\r\nshellexecute=liesmich.txt"
         "\r\n\r\n[Content]\r\nMusicFiles=YES\r\nVideoFiles=0\r\n\r\n\r\n"},
        {"AutoRun.Amd64",
         [](autorun::AutoPlaySettings& s) {
             s.shellExecute.clear();
             s.useAutoPlay = "1";
             s.defaultVerb = "install";
         },
         "[AutoRun]\r\nACTION = Installieren\r\nUseAutoPlay=0\r\nopen=setup.exe\r\n"
         "shell=lies\r\n\r\n[AutoRun.Amd64]\r\nShell=install\r\n"
         "UseAutoPlay=1\r\naction=x64\r\n\r\n[Content]\r\nMusicFiles=YES\r\nVideoFiles="
         "0\r\n\r\n\r\n"},
        {"AutoRun",
         [](autorun::AutoPlaySettings& s) {
             s.content = {"", "false", "0"};
         },
         "[AutoRun]\r\nACTION = Installieren\r\nUseAutoPlay=0\r\nopen=setup.exe\r\n"
         "shell=lies\r\n\r\n[AutoRun.Amd64]\r\naction=x64\r\nshellexecute=liesmich.txt"
         "\r\n\r\n[Content]\r\nPictureFiles=false\r\nVideoFiles=0\r\n\r\n\r\n"},
        {"AutoRun", [](autorun::AutoPlaySettings& s) { s.content = {}; },
         "[AutoRun]\r\nACTION = Installieren\r\nUseAutoPlay=0\r\nopen=setup.exe\r\n"
         "shell=lies\r\n\r\n[AutoRun.Amd64]\r\naction=x64\r\nshellexecute=liesmich.txt"
         "\r\n\r\n\r\n"},
    };
    for (const auto& row : rows) {
        auto document = Read(inf);
        const autorun::AutoRunInf model(*document);
        const autorun::AutoPlaySettings read =
            autorun::ReadAutoPlaySettings(model.View(), row.section);
        autorun::AutoPlaySettings edited = read;
        row.edit(edited);
        autorun::WriteAutoPlaySettings(*document, row.section, read, edited);
        EXPECT_EQ(row.saved, Saved(*document)) << row.section;
    }
}

// The check reads the document before it is saved: a key the user did not fill must not be
// there empty, which Windows would read as a value.
TEST_F(AutoRunModel, AutoPlaySettingsCreateNoEmptyKeys) {
    auto document = Read("[AutoRun]\r\nopen=a.exe\r\nshell=\r\n");
    const autorun::AutoRunInf model(*document);
    const autorun::AutoPlaySettings read = autorun::ReadAutoPlaySettings(model.View(), "AutoRun");
    autorun::AutoPlaySettings edited = read;
    edited.action = "Spielen";
    autorun::WriteAutoPlaySettings(*document, "AutoRun", read, edited);
    EXPECT_STREQ("Spielen", document->GetString("AutoRun", "action", nullptr));
    for (const char* key : {"shellexecute", "UseAutoPlay"})
        EXPECT_EQ(nullptr, document->GetString("AutoRun", key, nullptr)) << key;
    EXPECT_EQ(nullptr, document->FindSection("Content"));
    // What the file writes empty, the user left alone.
    EXPECT_STREQ("", document->GetString("AutoRun", "shell", nullptr));
}

// A change to [AutoRun] that a processor section held alike is what that processor's Windows
// would miss: listed per section, and carried there on request.
TEST_F(AutoRunModel, ChangesAProcessorSectionHeldAlikeAreListedAndCarried) {
    // The edits are made to the document as read, as the editor makes them: key, value (nullptr:
    // the key goes).
    struct Edit {
        const char* key;
        const char* value;
        const char* section = "AutoRun";
    };
    const struct {
        const char* before;
        std::vector<Edit> edits;
        const char* listed;
        const char* carried;
    } rows[] = {
        {"[AutoRun]\r\nopen=a.exe\r\nicon=a.ico\r\n[AutoRun.Amd64]\r\nOPEN=a.exe\r\nicon=b.ico\r\n",
         {{"Open", "neu.exe"}, {"Icon", "neu.ico"}},
         "AutoRun.Amd64: open;",
         "[AutoRun]\r\nicon=neu.ico\r\nopen=neu.exe\r\n\r\n[AutoRun.Amd64]\r\nOPEN=neu.exe\r\n"
         "icon=b.ico\r\n\r\n\r\n"},
        {"[autorun.x86]\r\nlabel=CD\r\n[AutoRun]\r\nlabel=CD\r\nopen=a.exe\r\n"
         "[AutoRun.Amd64]\r\nlabel=CD\r\n[Weiteres]\r\nlabel=CD\r\n",
         {{"label", nullptr}},
         "autorun.x86: label;AutoRun.Amd64: label;",
         "[AutoRun]\r\nopen=a.exe\r\n\r\n[Weiteres]\r\nlabel=CD\r\n\r\n\r\n"},
        {"[AutoRun.Amd64]\r\nopen=x64.exe\r\n[AutoRun]\r\nopen=x86.exe\r\n",
         {{"open", "neu.exe"}},
         "",
         ""},
        {"[AutoRun]\r\nopen=a.exe\r\n[AutoRun.Amd64]\r\nopen=a.exe\r\n",
         {{"action", "Spielen"}, {"open", "a.exe"}},
         "",
         ""},
        // The user edited both sections: what they gave the other one stays.
        {"[AutoRun]\r\nopen=a.exe\r\nicon=a.ico\r\n[AutoRun.Amd64]\r\nopen=a.exe\r\nicon=a.ico\r\n",
         {{"open", "neu.exe"}, {"icon", "neu.ico"}, {"open", "x64.exe", "AutoRun.Amd64"}},
         "AutoRun.Amd64: icon;",
         "[AutoRun]\r\nicon=neu.ico\r\nopen=neu.exe\r\n\r\n[AutoRun.Amd64]\r\nicon=neu.ico\r\n"
         "open=x64.exe\r\n\r\n\r\n"},
    };
    for (const auto& row : rows) {
        const auto before = Read(row.before);
        const auto after = Read(row.before);
        for (const Edit& edit : row.edits) {
            if (edit.value != nullptr)
                after->SetString(edit.section, edit.key, edit.value);
            else
                after->RemoveEntry(edit.section, edit.key);
        }
        const std::vector<autorun::UnsharedChange> misses =
            autorun::ChangesOtherSectionsMiss(*before, *after, "AutoRun");
        std::string listed;
        for (const autorun::UnsharedChange& miss : misses) {
            listed += miss.section + ":";
            for (const std::string& key : miss.keys)
                listed += " " + key;
            listed += ";";
        }
        EXPECT_EQ(row.listed, listed) << row.before;
        if (misses.empty())
            continue;
        autorun::CarryChanges(*after, "AutoRun", misses);
        EXPECT_EQ(row.carried, Saved(*after)) << row.before;
    }
}

// The platforms' sections: each once as Windows reads it, the documented ones a file lacks, and a
// new one as a copy of what Windows reads in another.
TEST_F(AutoRunModel, PlatformSectionsAreListedAndCopied) {
    const auto joined = [](const std::vector<std::string>& names) {
        std::string text;
        for (const std::string& name : names)
            text += name + ";";
        return text;
    };
    const struct {
        const char* before;
        const char* listed;
        const char* addable;
        const char* from;
        const char* added;
        std::size_t copiedKeys;
        // nullptr: not compared.
        const char* saved;
    } rows[] = {
        {"[AutoRun.Amd64]\r\nopen=x64.exe\r\nicon=\"a b.ico\"\r\nOPEN=alt.exe\r\n",
         "AutoRun.Amd64;", "AutoRun;AutoRun.x86;", "AutoRun.Amd64", "AutoRun", 2,
         "[AutoRun]\r\nicon=a b.ico\r\nopen=x64.exe\r\n\r\n[AutoRun.Amd64]\r\nopen=x64.exe\r\n"
         "OPEN=alt.exe\r\nicon=\"a b.ico\"\r\n\r\n\r\n"},
        {"[autorun]\r\nopen=a.exe\r\n[Weiteres]\r\nopen=w.exe\r\n[AUTORUN.X86]\r\nopen=b.exe\r\n"
         "[autorun]\r\nopen=c.exe\r\nlabel=CD\r\n[AutoRun.ia64]\r\nopen=i.exe\r\n",
         "autorun;AUTORUN.X86;AutoRun.ia64;", "AutoRun.Amd64;", "autorun", "AutoRun.Amd64", 1,
         nullptr},
    };
    for (const auto& row : rows) {
        const auto document = Read(row.before);
        {
            const autorun::InfView view(*document, false);
            EXPECT_EQ(row.listed, joined(autorun::AutoRunSectionsOf(view))) << row.before;
            EXPECT_EQ(row.addable, joined(autorun::SectionsToAdd(view))) << row.before;
        }
        autorun::AddSectionAsCopy(*document, row.from, row.added);
        const autorun::InfView view(*document, false);
        const section* from = view.Find(row.from);
        const section* added = view.Find(row.added);
        ASSERT_NE(added, nullptr) << row.before;
        // Windows reads the same from both.
        for (const entry* item : view.EntriesInFileOrder(*from))
            EXPECT_EQ(view.ValueOf(*from, *item), view.ValueOf(*added, *item)) << *item;
        EXPECT_EQ(row.copiedKeys, view.EntriesInFileOrder(*added).size()) << row.before;
        if (row.saved != nullptr) {
            EXPECT_EQ(row.saved, Saved(*document));
        }
    }
}

// The double-click's entry goes where its entry goes; any other "shell=" stays as written.
TEST_F(AutoRunModel, TheDefaultVerbFollowsItsEntry) {
    const struct {
        const char* inf;
        const char* oldName;
        const char* newName;
        const char* saved;
    } rows[] = {
        {"[AutoRun]\r\nshell=Install\r\n", "install", "Setup",
         "[AutoRun]\r\nshell=Setup\r\n\r\n\r\n"},
        {"[AutoRun]\r\nopen=a.exe\r\nSHELL=lies\r\n", "lies", "",
         "[AutoRun]\r\nopen=a.exe\r\n\r\n\r\n"},
        {"[AutoRun]\r\nshell=lies\r\n", "install", "", "[AutoRun]\r\nshell=lies\r\n"},
        {"[AutoRun]\r\nopen=a.exe\r\n", "install", "Setup", "[AutoRun]\r\nopen=a.exe\r\n"},
    };
    for (const auto& row : rows) {
        auto document = Read(row.inf);
        autorun::FollowRenamedEntry(*document, "AutoRun", row.oldName, row.newName);
        EXPECT_EQ(row.saved, Saved(*document)) << row.inf << row.oldName;
    }
}

TEST_F(AutoRunModel, AutoPlaySettingsAreReadFromTheSectionAWindowsReads) {
    auto document = Read("[AutoRun]\r\nACTION = \"Installieren\"\r\nUseAutoPlay=1\r\n"
                         "SHELL=lies\r\n[AutoRun.Amd64]\r\naction=x64\r\n"
                         "[content]\r\nvideofiles=false\r\n");
    const autorun::AutoRunInf model(*document);
    const autorun::AutoPlaySettings base = autorun::ReadAutoPlaySettings(model.View(), "AutoRun");
    EXPECT_EQ("Installieren", base.action);
    EXPECT_EQ("1", base.useAutoPlay);
    EXPECT_EQ("lies", base.defaultVerb);
    const std::array<std::string, 3> content = {"", "", "false"};
    EXPECT_EQ(content, base.content);
    const autorun::AutoPlaySettings amd64 =
        autorun::ReadAutoPlaySettings(model.View(), "autorun.AMD64");
    EXPECT_EQ("x64", amd64.action);
    EXPECT_EQ("", amd64.useAutoPlay);
    EXPECT_EQ(content, amd64.content);
}

} // namespace
