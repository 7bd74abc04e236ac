// The mount table: mountinfo lines as the kernel writes them, damaged ones,
// and which mount holds a folder.
#include <gtest/gtest.h>

#include "platform/linux/linux_mount_table.h"
#include "platform/linux/mount_info.h"

namespace orvo {
namespace {

TEST(MountInfo, ReadsMountPointTypeAndSourceOfEachWellFormedLine) {
    struct Case {
        const char* why;
        std::string text;
        std::vector<Mount> mounts;
    };
    const Case cases[] = {
        {"plain", "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n", {{"/", "ext4", "/dev/sda1"}}},
        {"no optional field",
         "40 22 11:0 / /media/cdrom ro,nosuid - iso9660 /dev/sr0 ro,nojoliet\n",
         {{"/media/cdrom", "iso9660", "/dev/sr0"}}},
        {"several optional fields",
         "41 22 8:17 / /mnt/dvd ro shared:7 master:3 propagate_from:2 - udf /dev/sr1 ro\n",
         {{"/mnt/dvd", "udf", "/dev/sr1"}}},
        {"escaped blank, tab, backslash and line break",
         "50 22 8:2 / /media/My\\040Disc\\011x\\134y\\012z ro - iso9660 /dev/sr0 ro\n",
         {{"/media/My Disc\tx\\y\nz", "iso9660", "/dev/sr0"}}},
        {"a backslash that starts no escape stays", "50 22 8:2 / /a\\9b\\4000 rw - ext4 x\\ rw\n",
         {{"/a\\9b\\4000", "ext4", "x\\"}}},
        {"no trailing line break, no super options", "22 1 8:1 / /home rw - btrfs /dev/sdb", {{"/home", "btrfs", "/dev/sdb"}}},
        {"a separator among the first six fields is none",
         "22 1 8:1 / - rw - ext4 /dev/sda1 rw\n", {}},
        {"too few fields after the separator", "22 1 8:1 / /x rw - ext4\n", {}},
        {"no separator", "22 1 8:1 / /x rw shared:1 ext4 /dev/sda1 rw\n", {}},
        {"relative mount point", "22 1 8:1 / media rw - ext4 /dev/sda1 rw\n", {}},
        {"empty and blank lines", "\n   \n\n", {}},
        {"damaged lines between good ones",
         "garbage\n22 1 8:1 / / rw - ext4 /dev/sda1 rw\n\x01\x02 - -\n30 22 0:5 / /proc rw - proc proc rw\n",
         {{"/", "ext4", "/dev/sda1"}, {"/proc", "proc", "proc"}}},
        {"doubled blanks", "22  1 8:1 / /srv  rw - xfs  /dev/sdc rw\n", {{"/srv", "xfs", "/dev/sdc"}}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseMountInfo(c.text), c.mounts) << c.why;
}

TEST(MountInfo, TheLongestMountPointAboveAPathHoldsIt) {
    const std::vector<Mount> mounts = {
        {"/", "ext4", "a"},           {"/media/cd", "iso9660", "b"}, {"/media/cd/inner", "ext4", "c"},
        {"/home/u/My Disc", "udf", "d"}, {"/media/cd", "udf", "e"},  // mounted over the first /media/cd
    };
    struct Case {
        std::string path;
        std::optional<std::string> source;
    };
    const Case cases[] = {
        {"/home/u/paper/", "a"},
        {"/media/cd", "e"},
        {"/media/cd/", "e"},
        {"/media/cd/docs/x/", "e"},
        {"/media/cdrom/", "a"},  // a longer name is no folder below
        {"/media/cd/inner/x", "c"},
        {"/home/u/My Disc/", "d"},
        {"relative/folder/", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<Mount> mount = mountHolding(mounts, c.path);
        EXPECT_EQ(mount ? std::optional(mount->source) : std::nullopt, c.source) << c.path;
    }
    EXPECT_FALSE(mountHolding({{"/media/cd", "iso9660", "b"}}, "/home/u/")) << "nothing holds it";
}

TEST(MountInfo, DiscsAreIso9660AndUdf) {
    for (const char* type : {"iso9660", "udf"}) EXPECT_TRUE(isDiscFileSystem(type)) << type;
    for (const char* type : {"ext4", "vfat", "ISO9660", "udf2", ""}) EXPECT_FALSE(isDiscFileSystem(type)) << type;
}

TEST(MountInfo, TheSystemsTableHoldsTheRoot) {
    std::vector<Mount> mounts = LinuxMountTable().mounts();
    std::optional<Mount> root = mountHolding(mounts, "/");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->mountPoint, "/");
    EXPECT_FALSE(root->type.empty());
}

}  // namespace
}  // namespace orvo
