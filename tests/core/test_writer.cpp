// Writing a configuration as text, and the text forms of addresses and codes.
#include <gtest/gtest.h>

#include "format/writer.h"

using namespace zavro;

namespace {

T_Command_DEVICE Defaults() {
    T_Command_DEVICE d;
    d.SetDefaults();
    return d;
}

std::string Trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

TEST(Writer, DefaultConfiguration) {
    std::vector<std::string> lines;
    WriteConfiguration(Defaults(), lines);
    ASSERT_EQ(lines.size(), 658u);
    for (const auto& l : lines) EXPECT_EQ(l.size(), 45u) << l;
    EXPECT_EQ(Trimmed(lines[0]), "Korvant-Config GSM4 soft v.3.0");
    EXPECT_EQ(Trimmed(lines[2]), "ks2-");
    EXPECT_EQ(Trimmed(lines[3]), "ks1-");
    EXPECT_EQ(Trimmed(lines[17]), "sa-000.000.000.000.162");
    EXPECT_EQ(Trimmed(lines.back()), "ir-0");
    const std::string text = ConfigurationText(Defaults());
    EXPECT_EQ(text.size(), 658u * 47u);
    EXPECT_EQ(text.substr(45, 4), "\r\nfe");
}

TEST(Writer, Lines) {
    T_Command_DEVICE d = Defaults();
    d.Set_SmsType(3, 5);
    d.Set_SmsPhone(3, "P");
    d.Set_SmsType(4, 5);
    d.Set_GprsServer(2, 1, "host,example");
    d.Set_GprsPort(2, 1, 0);
    d.Set_KeyName(7, "Petrov");
    d.Set_KeyType(7, 1);
    d.Set_KeyCode(7, "0123456789AB");
    d.Set_BalanceDelay(2, 12);
    d.Set_BalanceDelay(1, 12);
    d.Set_BalancePhone(1, "*100#");
    d.Commands(K_ReleParts)[1].Aux = {0, 1, 0, 3};
    d.Set_ShleifName(12, "Hall");
    d.Set_Version("X.1; $");
    EXPECT_EQ(BuildCommandLine(d, K_SmsPhone, 2), "sn3-5.P");
    EXPECT_EQ(BuildCommandLine(d, K_SmsPhone, 3), "sn4-.");
    EXPECT_EQ(BuildCommandLine(d, K_Server, 3), "gs4-host,example");
    EXPECT_EQ(BuildCommandLine(d, K_Key, 6), "ua07-!Petrov   .BA9876543210");
    EXPECT_EQ(BuildCommandLine(d, K_Key, 0), "ua01-          .");
    EXPECT_EQ(BuildCommandLine(d, K_Key, 119), "ua120-         .");
    EXPECT_EQ(BuildCommandLine(d, K_Key, 8).substr(0, 5), "ua09-");
    EXPECT_EQ(BuildCommandLine(d, K_Balance, 1), "cb2-0.");
    EXPECT_EQ(BuildCommandLine(d, K_Balance, 0), "cb1-12.*100#");
    EXPECT_EQ(BuildCommandLine(d, K_ReleParts, 1), "rz2-1,3");
    EXPECT_EQ(BuildCommandLine(d, K_ShleifName, 11), "la12-Hall");
    EXPECT_EQ(BuildCommandLine(d, K_FileRead, 0), "fe");
    EXPECT_EQ(BuildCommandLine(d, K_Version, 0), "Korvant-X.1; $"); // written unchanged
    d.Set_TrapPort(-5);
    EXPECT_EQ(BuildCommandLine(d, K_TrapAddress, 0), "sa-000.000.000.000");
    d.Set_SirenTime(-3);
    EXPECT_EQ(BuildCommandLine(d, K_SirenTime, 0), "st--3");
}

TEST(Writer, PadLineAndPadNumber) {
    EXPECT_EQ(PadLine(std::string(44, 'x')), std::string(44, 'x') + " ");
    EXPECT_EQ(PadLine(std::string(45, 'x')), std::string(45, 'x'));
    EXPECT_EQ(PadLine(std::string(60, 'x')), std::string(60, 'x'));
    EXPECT_EQ(PadLine(""), std::string(45, ' '));
    EXPECT_EQ(PadNumber(7, 3, '0'), "007");
    EXPECT_EQ(PadNumber(1234, 3, '0'), "1234");
    EXPECT_EQ(PadNumber(-5, 4, ' '), "  -5");
}

struct GroupCase {
    const char* in;
    std::string_view allowed;
    char delimiter;
    int group;
    int width;
    bool insert;
    const char* out;
    bool changed;
};

void PrintTo(const GroupCase& c, std::ostream* os) { *os << "'" << c.in << "' to '" << c.out << "'"; }

class CodeGroups : public testing::TestWithParam<GroupCase> {};

TEST_P(CodeGroups, Regroup) {
    const GroupCase& c = GetParam();
    std::string text = c.in;
    EXPECT_EQ(FormatCodeGroups(text, c.allowed, c.delimiter, '0', c.group, c.width, c.insert),
              c.changed);
    EXPECT_EQ(text, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodeGroups,
    testing::Values(GroupCase{"192.168.1.1", kDecimalDigits, '.', 3, -12, true, "192.168.001.001", false},
                    GroupCase{"192.168.1.1", kDecimalDigits, ',', 3, -12, true, "192,168,001,001", true},
                    GroupCase{"", kDecimalDigits, ',', 3, -12, true, "000,000,000,000", true},
                    GroupCase{"192168001001", kDecimalDigits, ',', 3, -12, true, "192,168,001,001", true},
                    GroupCase{"192,168,001,001", kDecimalDigits, ',', 3, -12, true, "192,168,001,001", false},
                    GroupCase{"1..2", kDecimalDigits, '.', 3, -12, true, "000.001.000.002", true},
                    GroupCase{"1.2", kDecimalDigits, '.', 3, -12, false, "000000001002", false},
                    GroupCase{"1234.5", kDecimalDigits, '.', 3, -12, true, "000.001.234.005", true},
                    GroupCase{"00a0b1c2d3e4", kHexDigits, '-', 4, -12, true, "00a0-b1c2-d3e4", true},
                    GroupCase{"12AB", kHexDigits, '-', 4, 12, true, "12AB-0000-0000", true},
                    GroupCase{"", kHexDigits, '-', 4, 12, true, "0000-0000-0000", true},
                    GroupCase{"12ab-cdef-0123-4567", kHexDigits, '-', 4, 12, true, "12ab-cdef-0123", true},
                    GroupCase{"g1", kHexDigits, '-', 4, 12, true, "0000-1000-0000", true}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(TextFunctions, ReplaceCharAndDigitsAndCommas) {
    EXPECT_EQ(ReplaceChar("www.example.com", '.', ','), "www,example,com");
    EXPECT_EQ(ReplaceChar("", '.', ','), "");
    EXPECT_TRUE(IsDigitsAndCommas(""));
    EXPECT_TRUE(IsDigitsAndCommas("192,168,001,001"));
    EXPECT_FALSE(IsDigitsAndCommas("192.168"));
    EXPECT_FALSE(IsDigitsAndCommas("host1"));
}

} // namespace
