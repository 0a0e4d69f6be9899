// The "check" command of the command-line tool, run as the installer runs it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "format/reader.h"
#include "format/writer.h"
#include "model/device.h"

namespace zavro {
namespace {

namespace fs = std::filesystem;

class CheckCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zavro_check_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Writes the defaults with a file key, changed by change, as IN.
    std::string WriteInput(const std::function<void(T_Command_DEVICE&)>& change) {
        T_Command_DEVICE d;
        d.SetDefaults();
        d.Set_FileKey("secret");
        change(d);
        const fs::path path = dir_ / "in.ini";
        std::ofstream(path, std::ios::binary) << ConfigurationText(d);
        return path.string();
    }

    struct Result {
        int status;
        std::string out;
    };

    Result Run(const std::string& arguments) {
        const fs::path out = dir_ / "stdout.txt";
        const std::string command = std::string("\"") + ZAVRO_CLI + "\" check " + arguments +
                                    " >\"" + out.string() + "\" 2>/dev/null";
        const int raw = std::system(command.c_str());
        std::ifstream in(out, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
    }

    fs::path dir_;
};

TEST_F(CheckCommand, ValidConfigurationPrintsNothing) {
    const std::string in = WriteInput([](T_Command_DEVICE&) {});
    const Result quiet = Run(in);
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.out, "");
    const Result verbose = Run(in + " -v");
    EXPECT_EQ(verbose.status, 0);
    EXPECT_EQ(verbose.out, "Ошибок не найдено\n");
}

TEST_F(CheckCommand, FirstFailureIsPrintedAsOneBlock) {
    const std::string in = WriteInput([](T_Command_DEVICE& d) {
        d.Set_KeyCode(7, "0A1B2C3D4E5F");
        d.Set_KeyCode(120, "0A1B2C3D4E5F");
        d.Set_FileKey("");
    });
    const Result r = Run(in);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "Страница: Ключи\n"
                     "Ошибка: Для двух или более пользователей заданы одинаковые коды управления\n"
                     "Рекомендация: Следует удалить дублирующиеся коды управления\n"
                     "Элемент: SG_Keys, строка 7, столбец 3\n");
}

TEST_F(CheckCommand, AllListsEveryFailureInCheckOrder) {
    const std::string in = WriteInput([](T_Command_DEVICE& d) {
        d.Set_FileKey("");
        d.Set_SmsKKeys(2, KeySet{3, 5});
    });
    const Result r = Run("--all " + in);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "Страница: SMS-К\n"
                     "Ошибка: Не заданы номера для задействованных телефонов.\n"
                     "Рекомендация: Необходимо задать номера для используемых телефонов\n"
                     "Элемент: SG_SMSK, строка 2, столбец 1\n"
                     "\n"
                     "Страница: Общие\n"
                     "Ошибка: Не задан ключ шифрования файла конфигурации\n"
                     "Рекомендация: Для защиты информации в приборе следует задать ключ "
                     "шифрования\n"
                     "Элемент: E_Common_KEY\n");
}

TEST_F(CheckCommand, RepairWritesTheDefaultedConfiguration) {
    const std::string in = WriteInput([](T_Command_DEVICE& d) {
        d.Set_ShleifType(3, 1);
        d.Set_ShleifDelay(3, 0);
    });
    const std::string out = (dir_ / "out.ini").string();
    EXPECT_EQ(Run(in).status, 3);
    const Result r = Run(in + " --repair -o " + out);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    ASSERT_TRUE(fs::exists(out));

    std::ifstream file(out, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    T_Command_DEVICE repaired;
    repaired.SetDefaults();
    ReadConfiguration(text.str(), repaired);
    EXPECT_EQ(repaired.Get_ShleifDelay(3), 90);
    EXPECT_EQ(Run(out).status, 0);
}

TEST_F(CheckCommand, RepairStopsAtARuleWithoutDefault) {
    const std::string in = WriteInput([](T_Command_DEVICE& d) {
        d.Set_ShleifType(3, 1);
        d.Set_ShleifDelay(3, 0);
        d.Set_FileKey("");
    });
    const std::string out = (dir_ / "out.ini").string();
    const Result r = Run(in + " --repair -o " + out);
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "Страница: Общие\n"
                     "Ошибка: Не задан ключ шифрования файла конфигурации\n"
                     "Рекомендация: Для защиты информации в приборе следует задать ключ "
                     "шифрования\n"
                     "Элемент: E_Common_KEY\n");
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CheckCommand, UsageErrors) {
    const std::string in = WriteInput([](T_Command_DEVICE&) {});
    EXPECT_EQ(Run("").status, 2);
    EXPECT_EQ(Run(in + " --repair").status, 2);
    EXPECT_EQ(Run(in + " --all --repair -o x").status, 2);
    EXPECT_EQ(Run(in + " --bogus").status, 2);
}

} // namespace
} // namespace zavro
