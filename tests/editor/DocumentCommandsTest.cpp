// New, Open, Save, Save As and the command-line open of the main window, with message boxes
// and file dialogs answered by the test seam.
#include "MainFormFixture.h"
#include "editor/model/DocumentFile.h"
#include "platform/FileIo.h"

#include <QWidget>
#include <csignal>
#include <cstddef>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <optional>
#include <sys/fsuid.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace editortest {
namespace {

// Root passes every permission check: on this thread's file accesses act as an ordinary user
// who may keep the settings store, until the end of the scope. The given file is handed to
// the owner given (the user by default) and the user's group.
class OrdinaryUser {
  public:
    static constexpr uid_t Nobody = 65534;
    explicit OrdinaryUser(const AnsiString& ownFile, uid_t owner = Nobody) {
        if (::geteuid() != 0) return;
        root_ = true;
        const fs::path store = fs::path(std::getenv("XDG_CONFIG_HOME")) / "wyx-r2";
        opened_ = {store.parent_path(), store};
        for (const fs::path& p : opened_)
            ::chmod(p.c_str(), 0777);
        ::chmod((store / "settings").c_str(), 0666);
        EXPECT_EQ(::chown(ownFile.c_str(), owner, Nobody), 0);
        ::chmod(fs::path(ownFile).parent_path().parent_path().c_str(), 0755);
        ::setfsgid(Nobody);
        ::setfsuid(Nobody);
    }
    ~OrdinaryUser() {
        if (!root_) return;
        ::setfsuid(0);
        ::setfsgid(0);
        for (const fs::path& p : opened_)
            ::chmod(p.c_str(), 0700);
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

  private:
    bool root_ = false;
    std::vector<fs::path> opened_;
};

// From here on every fsync on this thread fails with EIO, as on a disk that lost a write.
void FailFsyncOnThisThread() {
    sock_filter code[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_fsync, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EIO),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog filter{static_cast<unsigned short>(std::size(code)), code};
    ASSERT_EQ(::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0), 0);
    ASSERT_EQ(::syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, 0, &filter), 0);
}

class DocumentCommands : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        dir = ScratchDir();
        f = MakeWithType("1,2,00,1,1,,");
    }
    AnsiString Path(const char* name) const { return (dir / name).string(); }
    AnsiString FileText(const AnsiString& path) const {
        AnsiString bytes;
        EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
        return bytes;
    }
    void Answer(std::initializer_list<std::optional<AnsiString>> files) {
        TestSeam().FileDialogAnswers.assign(files.begin(), files.end());
    }
    void ExpectOpenError() {
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].Text, "File Open error.");
        EXPECT_EQ(Boxes()[0].Caption, "WYX-R2M");
        EXPECT_EQ(Boxes()[0].Flags, 16);
    }
    struct KeptFile {
        const char* folder; // writable by all
        mode_t mode;
        bool asUser; // saved by an ordinary user, else by whoever runs the test
        uid_t owner; // the file's owner when the test runs as root
    };
    // Saves a changed document over a file of the given mode: a write-protected file is
    // refused, any other one rewritten; mode, owner and group stay.
    void SaveKeepsModeOwnerAndGroup(const KeptFile& c) {
        constexpr uid_t Nobody = OrdinaryUser::Nobody;
        const bool root = ::geteuid() == 0, refused = c.mode == 0444;
        SCOPED_TRACE(c.folder);
        fs::create_directory(dir / c.folder);
        ::chmod((dir / c.folder).c_str(), 0777);
        const AnsiString path = (dir / c.folder / "a.r2").string(), old = "COMMENT\nold\n";
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(path, old, error));
        ::chmod(path.c_str(), c.mode);
        if (!c.asUser) {
            ASSERT_EQ(::chown(path.c_str(), c.owner, Nobody), 0);
        }
        Boxes().clear();
        f->ModifiedFlag = 0;
        Answer({path});
        f->Open1Click(f);
        f->Edit2->SetText("changed");
        {
            std::optional<OrdinaryUser> user;
            if (c.asUser) user.emplace(path, c.owner);
            f->Save1Click(f);
        }
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        EXPECT_TRUE(!root || (st.st_uid == c.owner && st.st_gid == Nobody));
        if (refused)
            ExpectOpenError();
        else
            EXPECT_TRUE(Boxes().empty());
        EXPECT_EQ(FileText(path), refused ? old : WriteDocumentText(*f, "changed"));
        EXPECT_EQ(f->ModifiedFlag, refused ? 1 : 0);
    }
    fs::path dir;
    TMainForm* f = nullptr;
};

TEST_F(DocumentCommands, SaveAsWritesTheDocumentAndNamesIt) {
    f->SetMemoryRecord(0, "000,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,HO,ME");
    f->Edit2->SetText("my\tcomment");
    f->ModifiedFlag = 1;
    const AnsiString path = Path("a.r2");
    Answer({path});
    f->Save2Click(f);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(FileText(path), WriteDocumentText(*f, "my\tcomment"));
    EXPECT_NE(FileText(path).find("HALCYRA MENU\r\n"), AnsiString::npos);
    EXPECT_EQ(f->DocumentName, path);
    EXPECT_EQ(f->Caption(), "WYX-R2M [" + path + "]");
    EXPECT_EQ(f->ModifiedFlag, 0);
    EXPECT_EQ(ReadSetting("Path"), dir.string() + "/");
    EXPECT_EQ(f->SaveDialog1->InitialDir, dir.string() + "/");
}

TEST_F(DocumentCommands, SaveAsRefusesAnotherExtensionAndCancelDoesNothing) {
    f->ModifiedFlag = 1;
    Answer({Path("a.txt"), std::nullopt});
    f->Save2Click(f);
    ExpectOpenError();
    EXPECT_FALSE(fs::exists(Path("a.txt")));
    Boxes().clear();
    f->Save2Click(f);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(f->DocumentName, "Untitled");
    EXPECT_EQ(f->Caption(), "WYX-R2M [Untitled]");
    EXPECT_EQ(f->ModifiedFlag, 1);
}

TEST_F(DocumentCommands, FailedWriteIsReportedAndKeepsTheChange) {
    f->ModifiedFlag = 1;
    Answer({Path("missing/a.r2")});
    f->Save2Click(f);
    ExpectOpenError();
    EXPECT_EQ(f->ModifiedFlag, 1);
    EXPECT_EQ(f->DocumentName, "Untitled");
}

TEST_F(DocumentCommands, SaveRewritesTheNamedFileWithoutAsking) {
    const AnsiString path = Path("a.r2");
    Answer({path});
    f->Save2Click(f);
    f->SetDtmfRecord(3, "03,123,X");
    f->ModifiedFlag = 1;
    const size_t dialogs = TestSeam().FileDialogTitles.size();
    f->Save1Click(f);
    EXPECT_EQ(TestSeam().FileDialogTitles.size(), dialogs);
    EXPECT_NE(FileText(path).find("03\t123\tX\r\n"), AnsiString::npos);
    EXPECT_EQ(f->ModifiedFlag, 0);

    fs::remove(path); // the named file is gone: Save behaves as Save As
    Answer({std::nullopt});
    f->Save1Click(f);
    EXPECT_EQ(TestSeam().FileDialogTitles.size(), dialogs + 1);
}

TEST_F(DocumentCommands, SaveOnUntitledAlwaysAsks) {
    const fs::path here = fs::current_path();
    fs::current_path(dir);
    {
        std::string error;
        ASSERT_TRUE(WriteFileAtomically("Untitled", "keep", error));
    }
    Answer({std::nullopt});
    f->Save1Click(f);
    EXPECT_EQ(TestSeam().FileDialogTitles.size(), 1u);
    EXPECT_EQ(FileText(Path("Untitled")), "keep");
    fs::current_path(here);
}

TEST_F(DocumentCommands, OpenReplacesTheDocument) {
    TMemoryDocument other;
    other.SetRadioType("1,0,0E,,,,");
    other.LastChannel = 149;
    other.ClearDocument();
    other.SetMemoryRecord(5, "005,00433000000,6,0,0,0,0,,09,,09,005000000,0,0,,,,A,B");
    other.SetRemoteMenuItem(0, "JA1AAA");
    other.SetAprsMenuItem(0, "JA1ZZZ");
    const AnsiString path = Path("b.r2");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, WriteDocumentText(other, "from file"), error));

    f->SetMemoryRecord(7, "007,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,OLD");
    Answer({path});
    f->Open1Click(f);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(f->GetRecordField(selMemory, 5, 17), "A,B");
    EXPECT_EQ(f->GetMemoryRecord(7), "");
    EXPECT_EQ(f->GetAprsMenuItem(0), "JA1ZZZ");   // a VELTANO section fills the APRS slots
    EXPECT_EQ(f->GetRemoteMenuItem(0), "NOCALL"); // no HALCYRA section in the file
    EXPECT_EQ(f->GetRadioType(), "1,2,00,1,1,,");
    EXPECT_EQ(f->Edit2->Text(), "from file");
    EXPECT_EQ(f->DocumentName, path);
    EXPECT_EQ(f->Caption(), "WYX-R2M [" + path + "]");
    EXPECT_EQ(f->ModifiedFlag, 0);
    EXPECT_EQ(ReadSetting("Path"), dir.string() + "/");
}

TEST_F(DocumentCommands, OpenRefusalsChangeNothing) {
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(Path("c.txt"), "COMMENT\nx\n", error));
    f->Edit2->SetText("mine");
    f->ModifiedFlag = 0;
    for (const char* name : {"c.txt", "none.r2"}) {
        Boxes().clear();
        Answer({Path(name)});
        f->Open1Click(f);
        ExpectOpenError();
        EXPECT_EQ(f->Edit2->Text(), "mine");
        EXPECT_EQ(f->DocumentName, "Untitled");
    }
}

TEST_F(DocumentCommands, SaveQuestionBeforeOpenAndNew) {
    const AnsiString saved = Path("saved.r2");
    f->Edit2->SetText("changed");
    f->ModifiedFlag = 1;
    TestSeam().MessageBoxAnswers = {IDCANCEL};
    f->New1Click(f);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].Flags, 51);
    EXPECT_EQ(f->Edit2->Text(), "changed");
    EXPECT_EQ(f->ModifiedFlag, 1);

    TestSeam().MessageBoxAnswers = {IDYES};
    Answer({saved, std::nullopt}); // Save As, then the open dialog cancelled
    f->Open1Click(f);
    EXPECT_TRUE(fs::exists(saved));
    EXPECT_EQ(TestSeam().FileDialogTitles.size(), 2u);

    f->SetMemoryRecord(1, "001,00145000000");
    f->ModifiedFlag = 1;
    TestSeam().MessageBoxAnswers = {IDNO};
    f->New1Click(f);
    EXPECT_EQ(f->GetMemoryRecord(1), "");
    EXPECT_EQ(f->Edit2->Text(), "");
    EXPECT_EQ(f->DocumentName, "Untitled");
    EXPECT_EQ(f->Caption(), "WYX-R2M [Untitled]");
    EXPECT_EQ(f->ModifiedFlag, 0);
    EXPECT_EQ(f->StringGrid1->Cells(1, 1), "000"); // labels stay
}

TEST_F(DocumentCommands, APipeNamedAsADocumentIsRefusedAtOnce) {
    const AnsiString pipe = Path("pipe.r2");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    f->Edit2->SetText("mine");
    f->ModifiedFlag = 0;
    Answer({pipe});
    f->Open1Click(f);
    ExpectOpenError();
    Boxes().clear();
    SetArguments({pipe});
    f->OpenCommandLineDocument();
    ExpectOpenError();
    EXPECT_EQ(f->Edit2->Text(), "mine");
    EXPECT_EQ(f->DocumentName, "Untitled");
}

TEST_F(DocumentCommands, NamesTheOldWayCouldSaveAreSaved) {
    f->Edit2->SetText("long name");
    f->ModifiedFlag = 1;
    const AnsiString longName = Path((AnsiString(247, 'n') + ".r2").c_str()); // 250 bytes
    Answer({longName});
    f->Save2Click(f);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(FileText(longName), WriteDocumentText(*f, "long name"));
    EXPECT_EQ(f->ModifiedFlag, 0);

    // A writable file in a folder the user cannot write: saved into the file itself.
    fs::create_directory(dir / "locked");
    const AnsiString locked = (dir / "locked" / "a.r2").string();
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(locked, "old", error));
    f->DocumentName = locked;
    f->Edit2->SetText("in place");
    ASSERT_EQ(::chmod((dir / "locked").c_str(), 0555), 0);
    bool tempLeft = true;
    {
        const OrdinaryUser user(locked);
        f->Save1Click(f);
        tempLeft = std::distance(fs::directory_iterator(dir / "locked"), {}) != 1;
    }
    ::chmod((dir / "locked").c_str(), 0755);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(tempLeft);
    EXPECT_EQ(FileText(locked), WriteDocumentText(*f, "in place"));
    EXPECT_EQ(f->ModifiedFlag, 0);
}

TEST_F(DocumentCommands, SaveKeepsWriteProtection) {
    SaveKeepsModeOwnerAndGroup({"protected", 0444, true, OrdinaryUser::Nobody});
}

TEST_F(DocumentCommands, SaveKeepsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand the file to another owner and group";
    for (const KeptFile& c : {KeptFile{"others", 0644, false, OrdinaryUser::Nobody},
                              KeptFile{"shared", 0664, true, 12345}}) // shared: group-writable
        SaveKeepsModeOwnerAndGroup(c);
}

TEST_F(DocumentCommands, ASaveWithoutRoomLeavesTheOldFile) {
    struct Case {
        const char* folder;
        mode_t folderMode; // 0555: no new file beside the document, so it is written in place
        size_t oldSize;
        rlim_t limit;    // largest file the save may write
        bool flushFails; // fsync reports EIO, after the file was cut or grown to the new length
    };
    for (const Case& c :
         {Case{"in-place", 0555, 12, 256, false}, Case{"beside", 0777, 12, 256, false},
          Case{"shorter", 0555, 20000, RLIM_INFINITY, false},
          Case{"flush-fails-shorter", 0555, 20000, RLIM_INFINITY, true},
          Case{"flush-fails-longer", 0555, 12, RLIM_INFINITY, true}}) {
        SCOPED_TRACE(c.folder);
        fs::create_directory(dir / c.folder);
        const AnsiString path = (dir / c.folder / "a.r2").string(), old(c.oldSize, 'o');
        std::string error;
        ASSERT_TRUE(WriteFileAtomically(path, old, error));
        ::chmod((dir / c.folder).c_str(), c.folderMode);
        Boxes().clear();
        f->DocumentName = path;
        f->ModifiedFlag = 1;
        const AnsiString saved = WriteDocumentText(*f, f->Edit2->Text());
        ASSERT_GT(saved.size(), 256u);
        // On a thread of its own: the fsync filter and the user's identity end with it.
        std::thread save([&] {
            if (c.flushFails) FailFsyncOnThisThread();
            const OrdinaryUser user(path);
            rlimit usual{}; // a write past the limit fails instead of ending the process
            ::getrlimit(RLIMIT_FSIZE, &usual);
            const rlimit lower{c.limit, usual.rlim_max};
            const auto previous = std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &lower);
            f->Save1Click(f);
            ::setrlimit(RLIMIT_FSIZE, &usual);
            std::signal(SIGXFSZ, previous);
        });
        save.join();
        ::chmod((dir / c.folder).c_str(), 0755);
        const bool refused = saved.size() > c.limit || c.flushFails;
        if (refused)
            ExpectOpenError();
        else
            EXPECT_TRUE(Boxes().empty());
        EXPECT_EQ(FileText(path), refused ? old : saved);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / c.folder), {}), 1);
    }
}

TEST_F(DocumentCommands, FileNamesShowAsTheFileSystemSpellsThem) {
    const std::string name = "my file ünï 日本";
    struct Case {
        const char* type;
        const char* channelName; // bytes of the document's character set
        const char* printed;
    };
    for (const Case& c :
         {Case{"1,2,00,1,1,,", "\xE9t\xE9", "été"}, Case{"1,0,0E,,,,", "\xB1\xB2", "ｱｲ"}}) {
        SCOPED_TRACE(c.type);
        f = MakeWithType(c.type);
        f->SetMemoryRecord(0, AnsiString("000,00145000000,0,0,0,0,0,,09,,09,000600000,0,0,,,,") +
                                  c.channelName);
        const AnsiString path = Path((name + ".r2").c_str());
        Answer({path});
        f->Save2Click(f);
        const std::string caption = "WYX-R2M [" + path + "]";
        EXPECT_EQ(f->Widget()->windowTitle().toStdString(), caption);
        TestSeam().Printed.clear();
        TestSeam().PrintDialogAnswers = {true};
        f->Print1Click(f);
        ASSERT_GT(TestSeam().Printed.size(), 2u);
        EXPECT_EQ(TestSeam().Printed[0].Shown, caption);
        EXPECT_NE(TestSeam().Printed[2].Shown.find(std::string("Name:") + c.printed),
                  std::string::npos);
    }
    // A message box naming a file: the settings cannot be kept under a folder of that name.
    const std::string config = (dir / name).string(), home = std::getenv("XDG_CONFIG_HOME");
    fs::create_directory(config);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(config + "/wyx-r2", "not a folder", error));
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    Answer({Path("b.r2")});
    f->Save2->Click();
    ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].ShownText.find(config + "/wyx-r2"), std::string::npos);
}

TEST_F(DocumentCommands, CommandLineJoinsArgumentsAndIgnoresCase) {
    fs::create_directories(dir / "my docs");
    const AnsiString path = (dir / "my docs" / "x.R2").string();
    TMemoryDocument other;
    other.SetRadioType("1,2,00,1,1,,");
    other.ClearDocument();
    other.SetDtmfRecord(2, "02,99,CL");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, WriteDocumentText(other, "cmd"), error));
    SetArguments({(dir / "my").string(), "docs/x.R2"});
    f->OpenCommandLineDocument();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(f->GetDtmfRecord(2), "02,99,CL");
    EXPECT_EQ(f->DocumentName, path);
    EXPECT_EQ(f->Edit2->Text(), "cmd");
    EXPECT_EQ(f->ModifiedFlag, 0);

    ASSERT_TRUE(WriteFileAtomically(Path("y.doc"), "COMMENT\nz\n", error));
    SetArguments({Path("y.doc")});
    f->OpenCommandLineDocument();
    ExpectOpenError();
    EXPECT_EQ(f->Edit2->Text(), "cmd");
}

} // namespace
} // namespace editortest
