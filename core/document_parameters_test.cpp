#include "core/document_parameters.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "core/parameter_file.h"
#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/fake_main_window_view.h"

namespace orvo {
namespace {

constexpr const char* kParameterFile = "/docs/paper.ORVOPAR";

class DocumentParametersTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeMainWindowView view;
    Workbench w;
    DocumentParameters parameters {w, view, files};

    DocumentParametersTest() {
        files.addFile("/docs/paper.tex", "\\relax\n");
        w.mainPath = "/docs/";
        w.MainFileName = "paper.tex";
        w.Format = "LaTeX";
    }
};

// A FIFO must not be waited on, and a file without permission must not be
// taken for a missing one and replaced.
TEST_F(DocumentParametersTest, AParameterFileThatCannotBeReadIsReportedAndNeverReplaced) {
    const FileError cases[] = {{FileError::Kind::NotRegularFile, 0}, {FileError::Kind::System, EACCES}};
    for (const FileError& error : cases) {
        SCOPED_TRACE(int(error.kind));
        files.unreadable[kParameterFile] = error;
        std::optional<FileFailure> unread = parameters.read();
        ASSERT_TRUE(unread);
        EXPECT_EQ(unread->path, kParameterFile);
        EXPECT_EQ(unread->error.kind, error.kind);
        EXPECT_EQ(w.Format, "LaTeX") << "the choices in force stay";

        std::optional<FileFailure> unwritten = parameters.write(w.MainFileName, w.mainPath, "");
        ASSERT_TRUE(unwritten);
        EXPECT_EQ(unwritten->path, kParameterFile);
        EXPECT_EQ(files.writesTo(kParameterFile), 0);
    }
}

TEST_F(DocumentParametersTest, TheReportNamesTheFileAndTheReason) {
    FakeUserInteraction ui;
    reportUnreadableParameterFile({kParameterFile, {FileError::Kind::NotRegularFile, 0}}, ui);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, std::string("Orvo couldn't read the parameter file ") + kParameterFile +
                                    ": not a regular file. The document keeps the choices in force, and the file "
                                    "is left as it is.");
    EXPECT_EQ(ui.logged, std::vector<std::string> {std::string("couldn't read ") + kParameterFile +
                                                    ": not a regular file"});
}

TEST_F(DocumentParametersTest, AReadableFileIsTakenAndAFailedWriteIsReturned) {
    files.addFile(kParameterFile, parameterFileText(w, "/docs/chap1.tex"));
    w.Format = "pdfLaTeX";
    EXPECT_FALSE(parameters.read());
    EXPECT_EQ(w.Format, "LaTeX");
    EXPECT_FALSE(parameters.write(w.MainFileName, w.mainPath, ""));
    EXPECT_EQ(files.writesTo(kParameterFile), 1);

    files.failWrites = true;
    std::optional<FileFailure> failure = parameters.write(w.MainFileName, w.mainPath, "");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, kParameterFile);
    EXPECT_EQ(failure->error.code, ENOSPC);
    EXPECT_FALSE(parameters.write("", w.mainPath, "")) << "no document, nothing to write";
}

}  // namespace
}  // namespace orvo
