#include "core/config_file.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_user_interaction.h"

namespace orvo {
namespace {

constexpr const char* kPath = "/home/u/.config/orvo/ORVO.INI";
constexpr const char* kContent = "[UserChoice]\nOwnTeXTreeDir=/home/u/texfiles/\n";

class ConfigFileTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeUserInteraction ui;
    Workbench w;

    ConfigFileTest() {
        files.addDirectory("/home/u/.config/orvo");
        w.iniDir = "/home/u/.config/orvo/";
        w.iniName = "ORVO.INI";
    }
};

TEST_F(ConfigFileTest, AFileThatIsThereButCannotBeReadIsNeverReplaced) {
    struct Case {
        const char* name;
        FileError error;
        const char* reason;
    };
    const Case cases[] = {
        {"no permission", {FileError::Kind::System, EACCES}, "Permission denied"},
        {"a FIFO", {FileError::Kind::NotRegularFile, 0}, "not a regular file"},
        {"an I/O error", {FileError::Kind::System, EIO}, "Input/output error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFileSystem files;
        files.addFile(kPath, kContent);
        files.unreadable[kPath] = c.error;
        ConfigFile config(files, kPath);
        ASSERT_TRUE(config.readError());
        EXPECT_EQ(config.text(key::OwnTeXTreeDir, "none"), "none") << "read as a file without keys";
        config.setText(key::OwnTeXTreeDir, "/defaults/");
        EXPECT_FALSE(config.save());
        EXPECT_EQ(files.writesTo(kPath), 0);
        EXPECT_EQ(files.files.at(kPath), kContent);

        FakeUserInteraction ui;
        reportUnreadableConfigFile(config, ui);
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Warning);
        EXPECT_EQ(ui.shown[0].text, std::string("Orvo couldn't read the INI file ") + kPath + ": " + c.reason +
                                        ". Orvo starts with its default settings and leaves the file as it is.");
        EXPECT_EQ(ui.logged, std::vector<std::string> {std::string("couldn't read ") + kPath + ": " + c.reason});
    }
}

TEST_F(ConfigFileTest, AMissingFileIsNoReadErrorAndIsWritten) {
    ConfigFile config(files, kPath);
    EXPECT_FALSE(config.readError());
    reportUnreadableConfigFile(config, ui);
    EXPECT_TRUE(ui.shown.empty());
    config.setText(key::OwnTeXTreeDir, "/home/u/texfiles/");
    EXPECT_TRUE(config.save());
    EXPECT_EQ(files.files.at(kPath), kContent);
}

TEST_F(ConfigFileTest, APassIsWrittenOnceHoweverOftenItIsSaved) {
    ConfigFile config(files, kPath);
    EXPECT_FALSE(config.saveAttempted());
    EXPECT_TRUE(config.save());
    config.setText(key::OwnTeXTreeDir, "/later/");
    EXPECT_TRUE(config.save());
    EXPECT_TRUE(config.saveAttempted());
    EXPECT_EQ(files.writesTo(kPath), 1);

    files.failWrites = true;
    ConfigFile failing(files, kPath);
    EXPECT_FALSE(failing.save());
    files.failWrites = false;
    EXPECT_FALSE(failing.save()) << "the outcome of the one write";
    EXPECT_EQ(files.writesTo(kPath), 1);
}

TEST_F(ConfigFileTest, AFailedWriteIsLoggedAlwaysAndShownWhenAskedFor) {
    files.failWrites = true;
    ConfigFile config(files, kPath);
    ASSERT_FALSE(config.save());
    for (bool show : {false, true}) {
        FakeUserInteraction ui;
        w.ShowINIErrors = show;
        reportConfigWriteFailure(config, w, ui);
        EXPECT_EQ(ui.logged, std::vector<std::string> {std::string("couldn't write ") + kPath +
                                                        ": No space left on device"});
        EXPECT_EQ(ui.shown.size(), show ? 1u : 0u);
    }
}

TEST_F(ConfigFileTest, OnlyTheFileStartUpCouldNotReadIsKept) {
    EXPECT_FALSE(keepsConfigFile(w));
    w.unreadableConfigFile = kPath;
    EXPECT_TRUE(keepsConfigFile(w));
    w.iniDir = "/elsewhere/";
    EXPECT_FALSE(keepsConfigFile(w)) << "a first run writes its new file elsewhere";
}

}  // namespace
}  // namespace orvo
