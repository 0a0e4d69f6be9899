// The command-line tool, run as installers run it.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Cli : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zavro-cli-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    Result Run(const std::string& args) {
        const std::string cmd = std::string(ZAVRO_CLI) + " " + args + " >" + (dir_ / "out").string() +
                                " 2>" + (dir_ / "err").string();
        const int raw = std::system(cmd.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(dir_ / "out"), Slurp(dir_ / "err")};
    }

    fs::path Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return dir_ / name;
    }

    fs::path dir_;
};

TEST_F(Cli, NewWritesTheDefaultConfiguration) {
    const Result r = Run("new");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.size(), 658u * 47u);
    EXPECT_EQ(r.out.substr(0, 32), "Korvant-Config GSM4 soft v.3.0  ");
    EXPECT_EQ(Run("new -o " + (dir_ / "n.ini").string()).status, 0);
    EXPECT_EQ(Slurp(dir_ / "n.ini"), r.out);
}

TEST_F(Cli, ConvertReadsAndWrites) {
    const fs::path in = Write("in.gsm", "oa-\xCE\xE1\xFA\xE5\xEA\x74\nst-1000\rla3-Hall");
    const Result r = Run("convert " + in.string());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.size(), 658u * 47u);
    EXPECT_NE(r.out.find("oa-\xCE\xE1\xFA\xE5\xEA\x74    "), std::string::npos);
    EXPECT_NE(r.out.find("\r\nst-90 "), std::string::npos);
    EXPECT_NE(r.out.find("\r\nla3-Hall "), std::string::npos);
    EXPECT_NE(r.out.find("Korvant-??????"), std::string::npos);
    // An existing output is replaced whole.
    const fs::path out = Write("out.ini", "old");
    EXPECT_EQ(Run("convert " + in.string() + " -o " + out.string()).status, 0);
    EXPECT_EQ(Slurp(out), r.out);
}

TEST_F(Cli, MissingInputLeavesTheOutputAlone) {
    const fs::path out = Write("out.ini", "previous");
    const Result r = Run("convert " + (dir_ / "absent.ini").string() + " -o " + out.string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("absent.ini"), std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_EQ(Slurp(out), "previous");
    EXPECT_EQ(Run("convert " + dir_.string()).status, 1); // a folder
    const fs::path in = Write("in.ini", "oa-X\r\n");
    EXPECT_EQ(Run("convert " + in.string() + " -o " + (dir_ / "no" / "x.ini").string()).status, 1);
}

TEST_F(Cli, Usage) {
    EXPECT_EQ(Run("").status, 2);
    EXPECT_EQ(Run("frobnicate").status, 2);
    EXPECT_EQ(Run("convert").status, 2);
    EXPECT_EQ(Run("convert a.ini b.ini").status, 2);
    EXPECT_EQ(Run("convert a.ini -o").status, 2);
    EXPECT_EQ(Run("convert a.ini --bogus").status, 2);
    EXPECT_EQ(Run("convert a.CRY").status, 2); // an encrypted file needs its key
    EXPECT_EQ(Run("new extra").status, 2);
    const Result help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("convert IN"), std::string::npos);
    EXPECT_EQ(Run("convert --help").status, 0);
    const Result version = Run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("zavro6ip-cli ", 0), 0u);
}

} // namespace
