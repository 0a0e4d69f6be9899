// The list of the configurations of a work folder.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "format/file_list.h"
#include "model/cp1251.h"

using namespace zavro;
namespace fs = std::filesystem;

namespace {

class FileListTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zavro-list-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string Folder() const { return dir_.string(); }

    fs::path dir_;
    T_Command_DEVICE probe_;
};

TEST_F(FileListTest, FirstNineOfEachKindAreTestedAtOnceTheRestByTicks) {
    for (int i = 0; i < 25; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "c%02d.ini", i);
        Put(name, "oa-Panel " + std::to_string(i) + "\r\ngi-12ab\r\n");
    }
    Put("sub.ini", "");
    fs::remove(dir_ / "sub.ini");
    fs::create_directory(dir_ / "sub.ini"); // a folder is not listed
    Put("notes.txt", "oa-X");
    FileList list;
    list.Build(Folder(), probe_);
    ASSERT_EQ(list.Rows().size(), 25u);
    EXPECT_EQ(list.Rows()[0].alias, "Panel 0");
    EXPECT_EQ(list.Rows()[8].ident, "12ab-0000-0000");
    EXPECT_EQ(list.Rows()[8].mark, kListTested);
    EXPECT_EQ(list.Rows()[9].mark, kListUntested);
    EXPECT_EQ(list.Rows()[9].alias, "??????????");
    EXPECT_EQ(list.Rows()[9].ident, kListIdentPlaceholder);
    // A tick tests at least two rows, from the top, and more while its time lasts.
    EXPECT_EQ(list.TestTick(probe_, 2, std::chrono::microseconds(0)), 2);
    EXPECT_EQ(list.Rows()[10].alias, "Panel 10");
    EXPECT_EQ(list.Rows()[11].mark, kListUntested);
    EXPECT_EQ(list.TestTick(probe_, 2, std::chrono::seconds(10)), 14);
    EXPECT_FALSE(list.HasUntested());
    EXPECT_EQ(list.TestTick(probe_, 2, std::chrono::seconds(10)), 0);
}

TEST_F(FileListTest, EncryptedRowsShowTheirPlainSummary) {
    const std::string header = Utf8ToCp1251("  завро корвал ip/gprs 8 \r\n\r\n");
    Put("a.cry", header + Utf8ToCp1251("Склад 12  ") + "00a0B1c2d3e4" + std::string(16, 'x'));
    Put("b.CRY", Utf8ToCp1251("ЗАВРО КОРВАЛ IP/GPRS 16\r\n") + std::string(40, 'x'));
    Put("c.cry", header + "short");
    Put("z.ini", "");
    FileList list;
    list.Build(Folder(), probe_);
    ASSERT_EQ(list.Rows().size(), 4u);
    EXPECT_EQ(list.Rows()[0].fileName, "z.ini"); // text files first
    EXPECT_EQ(list.Rows()[0].icon, kListIconText);
    EXPECT_EQ(list.Rows()[0].alias, "");
    EXPECT_EQ(list.Rows()[0].ident, "0000-0000-0000");
    EXPECT_EQ(list.Rows()[1].icon, kListIconCrypto);
    EXPECT_EQ(Cp1251ToUtf8(list.Rows()[1].alias), "Склад 12  ");
    EXPECT_EQ(list.Rows()[1].ident, "00a0-B1c2-d3e4");
    for (int i : {2, 3}) {
        EXPECT_EQ(list.Rows()[i].alias, "");
        EXPECT_EQ(list.Rows()[i].ident, "0000-0000-0000");
    }
}

TEST_F(FileListTest, FileGoneBeforeItsTestKeepsThePlaceholdersAndIsNotRetried) {
    for (int i = 0; i < 12; ++i) Put("f" + std::to_string(10 + i) + ".ini", "oa-X\r\n");
    FileList list;
    list.Build(Folder(), probe_);
    fs::remove(dir_ / "f20.ini");
    EXPECT_EQ(list.TestTick(probe_, 2, std::chrono::seconds(1)), 3);
    const FileListRow& gone = list.Rows()[10];
    EXPECT_EQ(gone.fileName, "f20.ini");
    EXPECT_EQ(gone.mark, kListTested);
    EXPECT_EQ(gone.alias, "??????????");
    EXPECT_EQ(list.TestTick(probe_, 2, std::chrono::seconds(1)), 0);
}

TEST_F(FileListTest, MissingFolderGivesAnEmptyList) {
    FileList list;
    list.Build((dir_ / "absent").string(), probe_);
    EXPECT_TRUE(list.Rows().empty());
}

TEST(FileListSort, ByColumnUpperCasedBytes) {
    const auto row = [](int icon, const char* alias, const char* file) {
        FileListRow r;
        r.icon = icon;
        r.alias = Utf8ToCp1251(alias);
        r.fileName = file;
        return r;
    };
    EXPECT_EQ(CompareRows(row(0, "бета", "a"), row(0, "БЕТА", "b"), 1), 0);
    EXPECT_EQ(CompareRows(row(0, "Я", "a"), row(0, "z", "b"), 1), 1); // high bytes after ASCII
    EXPECT_EQ(CompareRows(row(0, "ab", "a"), row(0, "abc", "b"), 1), -1);
    EXPECT_EQ(CompareRows(row(1, "", "a"), row(0, "", "b"), 0), 1);
    FileList list;
    list.Rows() = {row(0, "b", "2.ini"), row(1, "a", "3.cry"), row(0, "c", "1.ini")};
    list.Sort(1, -1);
    EXPECT_EQ(list.Rows()[0].alias, "c");
    EXPECT_EQ(list.Rows()[2].alias, "a");
    list.Sort(3, 1);
    EXPECT_EQ(list.Rows()[0].fileName, "1.ini");
    EXPECT_EQ(list.Rows()[2].fileName, "3.cry");
}

TEST_F(FileListTest, CommandLineListsEveryRowTested) {
    for (int i = 0; i < 12; ++i) Put("k" + std::to_string(10 + i) + ".ini", "oa-\xCE\xE1\xFA\r\n");
    Put("a.cry", "nothing");
    const std::string out = (dir_ / "out.txt").string();
    const int raw = std::system((std::string(ZAVRO_CLI) + " list " + Folder() + " >" + out).c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    std::ifstream in(out);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "0\tОбъ\t0000-0000-0000\tk10.ini");
    EXPECT_EQ(lines[11], "0\tОбъ\t0000-0000-0000\tk21.ini");
    EXPECT_EQ(lines[12], "1\t\t0000-0000-0000\ta.cry");
    EXPECT_EQ(std::system((std::string(ZAVRO_CLI) + " list >/dev/null 2>&1").c_str()) >> 8, 2);
}

} // namespace
