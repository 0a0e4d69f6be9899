// Reading configuration texts into a configuration.
#include <functional>

#include <gtest/gtest.h>

#include "format/reader.h"
#include "format/text_buffer.h"
#include "format/writer.h"
#include "model/cp1251.h"

using namespace zavro;

namespace {

T_Command_DEVICE Read(std::string_view file) {
    T_Command_DEVICE d;
    d.SetDefaults();
    ReadConfiguration(LoadTextBuffer(file), d);
    return d;
}

struct ReadCase {
    const char* name;
    const char* file;
    std::function<void(const T_Command_DEVICE&)> check;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class Reader : public testing::TestWithParam<ReadCase> {};

TEST_P(Reader, Reads) { GetParam().check(Read(GetParam().file)); }

const T_Command& Cmd(const T_Command_DEVICE& d, int kind, int element = 0) {
    return d.Commands(kind)[element];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Reader,
    testing::Values(
        ReadCase{"name_line_without_version", "oa-Hall 1",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_DeviceName(), "Hall 1");
                     EXPECT_EQ(d.Get_Version(), "??????");
                 }},
        ReadCase{"first_line_is_the_version_fallback", "My config\r\noa-X\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_Version(), "my config"); }},
        ReadCase{"fallback_punctuation_and_numbers", "\r\nPanel 007-B.2, X; note\r\nst-5",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_Version(), "panel 7-b.2,x"); // no blank around marks
                     EXPECT_EQ(d.Get_SirenTime(), 5);
                 }},
        ReadCase{"fallback_stops_at_a_keyword", "Hello st-5 world\r\n",
                 [](const auto& d) {
                     // The blank before a word is added before the word is
                     // found to be a command.
                     EXPECT_EQ(d.Get_Version(), "hello ");
                     EXPECT_EQ(d.Get_SirenTime(), 5);
                 }},
        ReadCase{"version_line", "Korvant-GSM ver3.0 rev.3\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_Version(), "GSM ver3. 0 rev. 3"); }},
        ReadCase{"version_read_again_does_not_grow", "Korvant-GSM ver3. 0 rev. 3\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_Version(), "GSM ver3. 0 rev. 3"); }},
        ReadCase{"version_without_minus_starts_with_the_next_lexeme", "Korvant Soft 2\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_Version(), "Soft 2"); }},
        ReadCase{"upper_case_keyword", "KS1-ABC\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_FileKey(), "ABC"); }},
        ReadCase{"index_out_of_range", "la17-X\r\nla0-Y\r\nla16-Z\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_ShleifName(16), "Z");
                     for (int i = 1; i < 16; ++i) EXPECT_EQ(d.Get_ShleifName(i), "");
                 }},
        ReadCase{"index_by_its_value", "la007-Seven\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_ShleifName(7), "Seven"); }},
        ReadCase{"huge_index_is_skipped_and_reading_goes_on",
                 "la99999999999999999999-X\r\nla4294967297-Y\r\nst-7\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_ShleifName(1), "");
                     EXPECT_EQ(d.Get_SirenTime(), 7);
                 }},
        ReadCase{"index_must_be_digits", "la1x-X\r\nla-Y\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_ShleifName(1), ""); }},
        ReadCase{"ranges", "st-1000\r\nsp-70000\r\ncm-3.15\r\nel-0\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_SirenTime(), 90);
                     EXPECT_EQ(d.Get_AgentPort(), 70000);
                     EXPECT_EQ(d.Get_SimMode(), 1);
                     EXPECT_EQ(d.Get_SimDelay(), 15);
                     EXPECT_EQ(d.Get_ExtIndicTime(), 90);
                 }},
        ReadCase{"six_digits_drop_the_command", "st-77\r\nst-123456\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_SirenTime(), 77); }},
        ReadCase{"empty_integer_reads_zero", "st-\r\nca-.\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_SirenTime(), 0);
                     EXPECT_EQ(d.Get_CountConnect(), 3); // 0 is below the minimum 1
                 }},
        ReadCase{"value2_missing", "lm5-16\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_ShleifType(5), 16);
                     EXPECT_EQ(d.Get_ShleifDelay(5), 0);
                 }},
        ReadCase{"list_with_hole", "rz2-1,,3\r\n",
                 [](const auto& d) {
                     const auto& c = Cmd(d, K_ReleParts, 1);
                     EXPECT_EQ(c.Aux[1], 1);
                     EXPECT_EQ(c.Aux[2], 0);
                     EXPECT_EQ(c.Aux[3], 3);
                     EXPECT_EQ(c.Flag, 3);
                     EXPECT_EQ(BuildCommandLine(d, K_ReleParts, 1), "rz2-1,3");
                 }},
        ReadCase{"list_with_text_value_needs_its_dot", "su3-5,7\r\nsu4-5,7.\r\nsu5-8,\r\n",
                 [](const auto& d) {
                     EXPECT_TRUE(d.Get_SmsKKeys(3).Empty());
                     EXPECT_EQ(d.Get_SmsKKeys(4), (KeySet{5, 7}));
                     EXPECT_EQ(d.Get_SmsKPhone(4), "");
                     EXPECT_EQ(d.Get_SmsKKeys(5), (KeySet{8}));
                 }},
        ReadCase{"list_of_sixteen_and_more", "zn2-1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(Cmd(d, K_ShleifPart, 1).Aux[16], 16);
                     EXPECT_EQ(Cmd(d, K_ShleifPart, 1).Flag, 16);
                 }},
        ReadCase{"list_broken_by_a_word", "sz-1,x\r\nrz1-2\r\n",
                 [](const auto& d) {
                     EXPECT_TRUE(d.Get_SirenParts().Empty());
                     EXPECT_EQ(d.Get_ReleParts(1), PartSet{2});
                 }},
        ReadCase{"key_code_is_reversed_and_completed", "ua05-!Petrov   .dcba\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(Cmd(d, K_Key, 4).Text1, "!Petrov");
                     EXPECT_EQ(d.Get_KeyCode(5), "00000000ABCD");
                 }},
        ReadCase{"key_code_with_a_star", "ua06-X.12*4\r\nua07-Y.1234567890abcdef\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_KeyCode(6), "************");
                     EXPECT_EQ(d.Get_KeyCode(7), "FEDCBA0987654321");
                 }},
        ReadCase{"dial_phone_without_type_loses_its_number", "dn2-0.123\r\ndn3-1.456\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_GsmType(2), 0);
                     EXPECT_EQ(d.Get_GsmPhone(2), "");
                     EXPECT_EQ(d.Get_GsmPhone(3), "456");
                 }},
        ReadCase{"address_with_commas", "sa-192,168,001,010.162\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_TrapAddress(), "192,168,001,010");
                     EXPECT_EQ(d.Get_TrapPort(), 162);
                 }},
        ReadCase{"address_with_dots", "sa-192.168.1.10\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_TrapAddress(), "192");
                     EXPECT_EQ(d.Get_TrapPort(), 168);
                 }},
        ReadCase{"comment_line", "; comment oa-X\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_DeviceName(), ""); }},
        ReadCase{"later_command_wins", "oa-A\r\noa-B\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_DeviceName(), "B"); }},
        ReadCase{"text_value_trimmed_of_blanks_only", "oa-  \tName 1\t  \r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_DeviceName(), "\tName 1\t"); }},
        ReadCase{"bare_keyword_without_value_is_dropped", "fe\r\noa\r\n-X\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_DeviceName(), ""); }},
        ReadCase{"dropped_command_is_read_again", "la3.-Hall\r\n",
                 [](const auto& d) { EXPECT_EQ(d.Get_ShleifName(3), "Hall"); }},
        ReadCase{"sms_phone", "sn3-5.+79001234567\r\nsn4-2.\r\n",
                 [](const auto& d) {
                     EXPECT_EQ(d.Get_SmsType(3), 5);
                     EXPECT_EQ(d.Get_SmsPhone(3), "+79001234567");
                     EXPECT_EQ(d.Get_SmsType(4), 2);
                     EXPECT_EQ(BuildCommandLine(d, K_SmsPhone, 3), "sn4-.");
                 }},
        ReadCase{"high_bytes_in_names", "oa-\xCE\xE1\xFA\xE5\xEA\xF2 \xB9" "1\r\n",
                 [](const auto& d) { EXPECT_EQ(Cp1251ToUtf8(d.Get_DeviceName()), "Объект №1"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Reader, TextEndingWithoutLineEnd) {
    // The text buffer always ends its lines; a bare text may not.
    T_Command_DEVICE d;
    d.SetDefaults();
    ReadConfiguration("st-5\r\nKorvant-abc", d);
    EXPECT_EQ(d.Get_Version(), "??????"); // a text value cut by the end stays empty
    ReadConfiguration("oa-X", d);
    EXPECT_EQ(d.Get_DeviceName(), "X");
    ReadConfiguration("", d);
    EXPECT_EQ(d.Get_Version(), "??????");
}

TEST(Reader, FileKeyRule) {
    struct Case {
        const char* key;
        const char* oldKey;
        const char* given;
        const char* newKey;
        const char* newOld;
    };
    const Case cases[] = {
        {"", "", "", "", ""},       {"", "", "K", "K", "K"},     {"", "O", "K", "O", "O"},
        {"N", "", "K", "N", "K"},   {"N", "O", "K", "N", "O"},   {"", "O", "", "O", "O"},
    };
    for (const Case& c : cases) {
        T_Command_DEVICE d;
        d.SetDefaults();
        d.Set_FileKey(c.key);
        d.Set_FileKeyOld(c.oldKey);
        ApplyFileKeyRule(d, c.given);
        EXPECT_EQ(d.Get_FileKey(), c.newKey) << c.key << "/" << c.oldKey << "/" << c.given;
        EXPECT_EQ(d.Get_FileKeyOld(), c.newOld) << c.key << "/" << c.oldKey << "/" << c.given;
    }
}

} // namespace
