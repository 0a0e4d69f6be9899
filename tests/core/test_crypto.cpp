// The encrypted configuration container: cipher core, CRC, key schedule,
// loading and the plain summary. The program never writes containers; the
// helpers here build them with the loader's steps inverted.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>

#include "format/crc16.h"
#include "format/crypto_container.h"
#include "format/gost28147.h"
#include "format/text_buffer.h"
#include "model/cp1251.h"
#include "support/container_builder.h"

namespace zavro {
namespace {

std::string W(std::string_view utf8) {
    return Utf8ToCp1251(utf8);
}

// ---- building containers -------------------------------------------------

// The container's steps inverted, with the key checked on the way.
std::string EncipherPayload(std::string d, std::string_view keyText) {
    GostKey key;
    EXPECT_TRUE(MakeCryptoKey(keyText, key));
    return testing_support::EncipherPayload(std::move(d), keyText);
}

using testing_support::MakePayload;

struct Header {
    std::string line = W("ЗАВРО КОРВАЛ IP/GPRS 8");
    std::string lineBreak = "\r\n";
    std::string alias = W("Склад 12  ");
    std::string ident = "0123456789AB";
    std::string Bytes() const { return line + lineBreak + alias + ident; }
};

std::string Container(std::string_view text, std::string_view key, const Header& h = {}) {
    return h.Bytes() + EncipherPayload(MakePayload(text), key);
}

const std::string kKey = W("Пароль-2024");
const std::string kText = W("ver=4.3.0.4.\r\nname=Склад 12.\r\n");

// ---- cipher core ---------------------------------------------------------

// GOST 28147-89 test vectors from RFC 5831 (GOST R 34.11-94), section 7:
// the encryption of H_in = 0 under the four step keys K1..K4 of the hash
// example gives S1..S4, with the substitution table of the test parameter
// set (id-GostR3411-94-TestParamSet, RFC 4357; its rows K1..K8 apply to the
// 4-bit groups from the least significant one up). The RFC prints the
// 256-bit keys and the 64-bit results as numbers, most significant word
// first: the last printed key word is K0, and a result's low word is N1.
const GostSubstitution kTestParamSet = {{
    {4, 10, 9, 2, 13, 8, 0, 14, 6, 11, 1, 12, 7, 15, 5, 3},
    {14, 11, 4, 12, 6, 13, 15, 10, 2, 3, 8, 1, 0, 7, 5, 9},
    {5, 8, 1, 13, 10, 3, 4, 2, 14, 15, 12, 7, 6, 0, 9, 11},
    {7, 13, 10, 1, 0, 8, 9, 15, 14, 4, 6, 12, 11, 2, 5, 3},
    {6, 12, 7, 1, 5, 15, 13, 8, 4, 10, 9, 14, 0, 3, 11, 2},
    {4, 11, 10, 0, 7, 2, 1, 13, 3, 6, 8, 5, 9, 12, 15, 14},
    {13, 11, 4, 1, 3, 15, 5, 9, 0, 10, 14, 7, 6, 8, 2, 12},
    {1, 15, 13, 0, 5, 7, 10, 4, 9, 2, 3, 14, 6, 11, 8, 12},
}};

struct CipherVector {
    std::uint32_t printedKey[8];
    std::uint32_t high, low;
};

const CipherVector kRfc5831Vectors[] = {
    {{0x733D2C20, 0x65686573, 0x74746769, 0x79676120, 0x626E7373, 0x20657369, 0x326C6568,
      0x33206D54},
     0x42ABBCCE,
     0x32BC0B1B},
    {{0x110C733D, 0x0D166568, 0x130E7474, 0x06417967, 0x1D00626E, 0x161A2065, 0x090D326C,
      0x4D393320},
     0x5203EBC8,
     0x5D9BCFFD},
    {{0x80B111F3, 0x730DF216, 0x850013F1, 0xC7E1F941, 0x620C1DFF, 0x3ABAE91A, 0x3FA109F2,
      0xF513B239},
     0x8D345899,
     0x00FF0E28},
    {{0xA0E2804E, 0xFF1B73F2, 0xECE27A00, 0xE7B8C7E1, 0xEE1D620C, 0xAC0CC5BA, 0xA804C05E,
      0xA18B0AEC},
     0xE7860419,
     0x0D2A562D},
};

TEST(Gost28147, PublishedVectorsEncryptAndDecrypt) {
    const Gost28147 cipher(kTestParamSet);
    for (const auto& v : kRfc5831Vectors) {
        GostKey key;
        for (int i = 0; i < 8; ++i)
            key[i] = v.printedKey[7 - i];

        std::uint32_t n1 = 0, n2 = 0;
        cipher.EncryptHalves(key, n1, n2);
        EXPECT_EQ(n1, v.low);
        EXPECT_EQ(n2, v.high);
        cipher.DecryptHalves(key, n1, n2);
        EXPECT_EQ(n1, 0u);
        EXPECT_EQ(n2, 0u);

        // As bytes: N1 in bytes 0..3 and N2 in bytes 4..7, little-endian.
        std::uint8_t block[8] = {};
        cipher.EncryptBlocks(key, block, sizeof block);
        const std::uint8_t expected[8] = {
            static_cast<std::uint8_t>(v.low),        static_cast<std::uint8_t>(v.low >> 8),
            static_cast<std::uint8_t>(v.low >> 16),  static_cast<std::uint8_t>(v.low >> 24),
            static_cast<std::uint8_t>(v.high),       static_cast<std::uint8_t>(v.high >> 8),
            static_cast<std::uint8_t>(v.high >> 16), static_cast<std::uint8_t>(v.high >> 24)};
        EXPECT_TRUE(std::equal(block, block + 8, expected));
        cipher.DecryptBlocks(key, block, sizeof block);
        EXPECT_TRUE(std::all_of(block, block + 8, [](std::uint8_t b) { return b == 0; }));
    }
}

TEST(Gost28147, ContainerTableRowsArePermutations) {
    for (const auto& row : ContainerSubstitution()) {
        const std::set<int> values(row.begin(), row.end());
        EXPECT_EQ(values.size(), 16u);
        EXPECT_EQ(*values.rbegin(), 15);
    }
}

// ---- CRC and key ---------------------------------------------------------

TEST(Crc16, ModbusCheckValues) {
    EXPECT_EQ(Crc16Modbus("123456789"), 0x4B37);
    EXPECT_EQ(Crc16Modbus(""), 0xFFFF);
    // Continuing a CRC over a second part equals the CRC of the whole.
    const std::string_view tail = "56789";
    EXPECT_EQ(Crc16Modbus(reinterpret_cast<const std::uint8_t*>(tail.data()), tail.size(),
                          Crc16Modbus("1234")),
              0x4B37);
}

TEST(CryptoKey, WordsFromTrimmedRepeatedText) {
    struct Case {
        std::string text;
        std::uint32_t k0, k1, k7;
    };
    const Case cases[] = {
        // "12345" repeated: 12345123451234512345123451234512
        {"12345", 0x34333231, 0x33323135, 0x32313534},
        {"  12345 ", 0x34333231, 0x33323135, 0x32313534},
        // 40 characters: only the first 32 count.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345zzzzzzzz", 0x44434241, 0x48474645, 0x35343332},
        // Windows-1251 codes: "Жж" = C6 E6.
        {W("Жж"), 0xE6C6E6C6, 0xE6C6E6C6, 0xE6C6E6C6},
    };
    for (const auto& c : cases) {
        GostKey key;
        ASSERT_TRUE(MakeCryptoKey(c.text, key)) << c.text;
        EXPECT_EQ(key[0], c.k0) << c.text;
        EXPECT_EQ(key[1], c.k1) << c.text;
        EXPECT_EQ(key[7], c.k7) << c.text;
    }
    GostKey key;
    EXPECT_FALSE(MakeCryptoKey("   ", key));
    EXPECT_FALSE(MakeCryptoKey("", key));
}

TEST(CryptoKey, TrimRemovesBlanksOnly) {
    EXPECT_EQ(TrimCryptoText("  a b  "), "a b");
    EXPECT_EQ(TrimCryptoText("\tab\t"), "\tab\t");
    EXPECT_EQ(TrimCryptoText("    "), "");
}

// ---- loading -------------------------------------------------------------

TEST(CryptoLoad, RoundTripGivesTextAndTrimmedKey) {
    const auto r = LoadCryptoBytes(Container(kText, kKey), "  " + kKey + " ");
    EXPECT_EQ(r.code, kCryptoOk);
    EXPECT_EQ(r.text, kText);
    EXPECT_EQ(r.key, kKey);
}

TEST(CryptoLoad, ShortKeyTextsAreRepeatedAndLongOnesCut) {
    const std::string file = Container(kText, "ABCDE");
    EXPECT_EQ(LoadCryptoBytes(file, "ABCDEABCDEABCDEABCDEABCDEABCDEAB").code, kCryptoOk);
    EXPECT_EQ(LoadCryptoBytes(file, "ABCDEABCDEABCDEABCDEABCDEABCDEAB-and-more").code, kCryptoOk);
    EXPECT_EQ(LoadCryptoBytes(file, "ABCDEF").code, kCryptoWrongKey);
}

TEST(CryptoLoad, WrongKeyThenRightKey) {
    const std::string file = Container(kText, kKey);
    const auto wrong = LoadCryptoBytes(file, "not the key");
    EXPECT_EQ(wrong.code, kCryptoWrongKey);
    EXPECT_TRUE(wrong.text.empty());
    EXPECT_EQ(LoadCryptoBytes(file, kKey).code, kCryptoOk);
}

TEST(CryptoLoad, EmptyKeyIsCode3) {
    const std::string file = Container(kText, kKey);
    for (const char* key : {"", " ", "      "}) {
        const auto r = LoadCryptoBytes(file, key);
        EXPECT_EQ(r.code, kCryptoShortKey) << '"' << key << '"';
        EXPECT_TRUE(r.key.empty());
    }
}

TEST(CryptoLoad, SignatureLine) {
    struct Case {
        std::string line, lineBreak;
        int code;
    };
    const Case cases[] = {
        {W("   завро Корвал ip/gprs 8  "), "\r\n", kCryptoOk},
        {W("ЗАВРО КОРВАЛ IP/GPRS 8"), "\n", kCryptoOk},
        {W("ЗАВРО КОРВАЛ IP/GPRS 8"), "\r", kCryptoOk},
        {W("ЗАВРО КОРВАЛ IP/GPRS 8"), "\r\r\n\n\r\n", kCryptoOk},
        {W("ЗАВРО КОРВАЛ IP/GPRS 16"), "\r\n", kCryptoBadSignature},
        {W("\tЗАВРО КОРВАЛ IP/GPRS 8"), "\r\n", kCryptoBadSignature},
        {W("ЗАВРО КОРВАЛ IP/GPRS"), "\r\n", kCryptoBadSignature},
        {"", "\r\n", kCryptoBadSignature},
    };
    for (const auto& c : cases) {
        Header h;
        h.line = c.line;
        h.lineBreak = c.lineBreak;
        const auto r = LoadCryptoBytes(Container(kText, kKey, h), kKey);
        EXPECT_EQ(r.code, c.code) << Cp1251ToUtf8(c.line);
        if (c.code == kCryptoOk) {
            EXPECT_EQ(r.text, kText);
        }
    }
    EXPECT_EQ(LoadCryptoBytes("", kKey).code, kCryptoBadSignature);
}

TEST(CryptoLoad, BadSizes) {
    const std::string header = Header{}.Bytes();
    const std::string cipher = EncipherPayload(MakePayload(kText), kKey);
    const std::string cases[] = {
        header + cipher + "abc",              // three bytes left over after the blocks
        header,                               // no cipher text
        header.substr(0, header.size() - 12), // summary cut short
        Header{}.line,                        // the signature alone
        Header{}.line + "\r\n",
    };
    for (const auto& file : cases)
        EXPECT_EQ(LoadCryptoBytes(file, kKey).code, kCryptoBadSize) << file.size();
}

TEST(CryptoLoad, NoProperPrefixOfAContainerLoads) {
    const std::string file = Container(kText, kKey);
    for (std::size_t size = 0; size < file.size(); ++size) {
        const int code = LoadCryptoBytes(file.substr(0, size), kKey).code;
        EXPECT_NE(code, kCryptoOk) << size;
        EXPECT_GE(code, kCryptoBadSignature) << size;
        EXPECT_LE(code, kCryptoWrongKey) << size;
    }
}

// Payloads laid out by hand: filler, text, CRC high and low byte, s.
TEST(CryptoLoad, PayloadLayout) {
    const std::string text = "AB\r\nCD\r\n";
    const std::uint16_t crc = Crc16Modbus(text);
    struct Case {
        std::string payload;
        int code;
        std::string text;
    };
    const Case cases[] = {
        // s = 5 and a text of 8 bytes: n = 16, D[13] and D[14] the CRC, D[15] = 5.
        {std::string("fill_") + text + char(crc >> 8) + char(crc & 0xFF) + char(5), kCryptoOk,
         text},
        // The CRC bytes swapped.
        {std::string("fill_") + text + char(crc & 0xFF) + char(crc >> 8) + char(5), kCryptoWrongKey,
         ""},
        // An empty text (s = n - 3) has the CRC 0xFFFF.
        {std::string("fill_") + "\xFF\xFF" + char(5), kCryptoOk, ""},
        // s just past the trailer, and the largest s.
        {std::string("fill_") + "\xFF\xFF" + char(6), kCryptoWrongKey, ""},
        {std::string("fill_") + "\xFF\xFF" + char(-1), kCryptoWrongKey, ""},
        // s = 0: the first text byte is de-chained against the byte 0 before D[0].
        {text + std::string(5, '\0') + char(Crc16Modbus(text + std::string(5, '\0')) >> 8) +
             char(Crc16Modbus(text + std::string(5, '\0')) & 0xFF) + char(0),
         kCryptoOk, text},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.payload.size() % 8, 0u);
        const auto r = LoadCryptoBytes(Header{}.Bytes() + EncipherPayload(c.payload, kKey), kKey);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.text, c.text);
    }
}

TEST(CryptoLoad, TextGoesThroughTheTextBuffer) {
    const std::string text("a=1\nb=2\rc\r\n\0junk", 16);
    const auto r = LoadCryptoBytes(Container(text, kKey), kKey);
    ASSERT_EQ(r.code, kCryptoOk);
    EXPECT_EQ(r.text, LoadTextBuffer(text));
    EXPECT_EQ(r.text, "a=1\r\nb=2\r\nc\r\n");
}

// The header with five line-break bytes is 49 bytes, leaving 63952 bytes
// (7994 blocks) of cipher text in the first 64001 bytes.
std::string ContainerOfReadLimit(std::string& text) {
    Header h;
    h.lineBreak = "\r\n\r\n\n";
    const std::size_t cipherSize = kCryptoReadLimit - h.Bytes().size();
    text.clear();
    while (text.size() < cipherSize)
        text += "ab=12345.\r\n";
    text.resize(cipherSize - 3 - 4);
    const std::string file = h.Bytes() + EncipherPayload(MakePayload(text, 4), kKey);
    EXPECT_EQ(file.size(), kCryptoReadLimit);
    return file;
}

TEST(CryptoLoad, OnlyTheFirst64001BytesCount) {
    std::string text;
    const std::string file = ContainerOfReadLimit(text);
    const auto r = LoadCryptoBytes(file + "trailing bytes", kKey);
    EXPECT_EQ(r.code, kCryptoOk);
    EXPECT_EQ(r.text, LoadTextBuffer(text));

    // One more line-break byte pushes the last cipher byte past the limit.
    EXPECT_EQ(LoadCryptoBytes(file.substr(0, 22) + "\n" + file.substr(22), kKey).code,
              kCryptoBadSize);
}

// ---- summary -------------------------------------------------------------

TEST(CryptoSummary, PlainHeaderFromTheFirst100Bytes) {
    struct Case {
        std::string file;
        bool found;
    };
    const std::string cipher = EncipherPayload(MakePayload(kText), kKey);
    Header lower;
    lower.line = W(" завро корвал ip/gprs 8 ");
    Header longLine; // the summary would end after byte 100
    longLine.line += std::string(60, ' ');
    Header wrong;
    wrong.line = W("ЗАВРО КОРВАЛ IP/GPRS 16");
    const Case cases[] = {
        {Header{}.Bytes() + cipher, true},
        {lower.Bytes() + cipher, true},
        {Header{}.Bytes() + "x", true}, // more than 22 bytes after the line break
        {Header{}.Bytes(), false},      // exactly 22
        {longLine.Bytes() + cipher, false},
        {wrong.Bytes() + cipher, false},
        {"", false},
    };
    for (const auto& c : cases) {
        const auto s = ReadCryptoSummary(c.file);
        EXPECT_EQ(s.found, c.found) << c.file.size();
        EXPECT_EQ(s.alias, c.found ? Header{}.alias : "");
        EXPECT_EQ(s.ident, c.found ? Header{}.ident : "");
    }
}

// ---- files ---------------------------------------------------------------

class CryptoFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() /
            ("zavro_crypto_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& bytes) {
        const auto path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path dir_;
};

TEST_F(CryptoFiles, LoadAndSummary) {
    std::string text;
    const std::string path = Write("big.cry", ContainerOfReadLimit(text) + "more than the limit");
    const auto r = LoadCryptoFile(path, kKey);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->code, kCryptoOk);
    EXPECT_EQ(r->text, LoadTextBuffer(text));

    const auto s = ReadCryptoSummaryFile(path);
    ASSERT_TRUE(s.has_value());
    EXPECT_TRUE(s->found);
    EXPECT_EQ(s->alias, Header{}.alias);
}

TEST_F(CryptoFiles, MissingFile) {
    const std::string path = (dir_ / "missing.cry").string();
    EXPECT_FALSE(LoadCryptoFile(path, kKey).has_value());
    EXPECT_FALSE(ReadCryptoSummaryFile(path).has_value());
    // Without a key the file is not looked at.
    const auto r = LoadCryptoFile(path, " ");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->code, kCryptoShortKey);
}

// ---- messages ------------------------------------------------------------

TEST(CryptoMessages, ByResultCode) {
    struct Case {
        int code;
        std::string_view message, recommendation;
        bool askKeyAgain, note;
    };
    const Case cases[] = {
        {kCryptoOk, "", "", false, false},
        {kCryptoBadSignature, kCryptoSignatureMessage, "Проверьте источник файла", false, false},
        {kCryptoBadSize, "Ошибка размера файла конфигурации - файл не верный ",
         "Проверьте источник файла", false, false},
        {kCryptoShortKey, "", "", true, false},
        {kCryptoWrongKey, "", "", true, true},
    };
    for (const auto& c : cases) {
        const CryptoMessage m = CryptoResultMessage(c.code);
        EXPECT_EQ(m.message, c.message) << c.code;
        EXPECT_EQ(m.recommendation, c.recommendation) << c.code;
        EXPECT_EQ(m.askKeyAgain, c.askKeyAgain) << c.code;
        EXPECT_EQ(m.showWrongKeyNote, c.note) << c.code;
    }
    EXPECT_EQ(kCryptoSignatureMessage,
              "Ошибка контрольной сигнатуры файла конфигурации - файл не относится к устройству" +
                  std::string(41, ' ') + "\"ЗАВРО КОРВАЛ IP/GPRS 16\"");
    EXPECT_EQ(kCryptoWrongKeyNote, "(текущий ключ не верный)");
    EXPECT_EQ(CryptoSignature(), W("ЗАВРО КОРВАЛ IP/GPRS 8"));
    EXPECT_EQ(static_cast<unsigned char>(CryptoSignature()[0]), 0xC7); // З in Windows-1251
}

// ---- the command-line tool ------------------------------------------------

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class CryptoCli : public testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("zavro-cry-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Put(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }
    static std::string Slurp(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    CliRun Run(const std::string& args) {
        const std::string cmd = std::string(ZAVRO_CLI) + " " + args + " >" + (dir_ / "o").string() +
                                " 2>" + (dir_ / "e").string();
        const int raw = std::system(cmd.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(dir_ / "o"), Slurp(dir_ / "e")};
    }

    std::filesystem::path dir_;
};

TEST_F(CryptoCli, ConvertDecryptsAndAppliesTheKey) {
    const std::string text = "oa-Depot 12\r\nst-45\r\n";
    const std::string key = "Пароль-2024"; // typed in the terminal's UTF-8
    const std::string cry = Put("panel.CRY", Container(text, W(key)));
    const std::string ini = Put("plain.ini", text);
    const CliRun plain = Run("convert " + ini);
    const CliRun r = Run("convert " + cry + " --key '" + key + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    // The same text as the plain file, except that the key fills both file keys.
    std::string expected = plain.out;
    const std::string k = W(key);
    for (const char* line : {"ks2-", "ks1-"}) {
        const auto at = expected.find(line);
        ASSERT_NE(at, std::string::npos);
        expected.replace(at + 4, k.size(), k);
    }
    EXPECT_EQ(r.out, expected);
    // The key may come from the first line of a file, in UTF-8 or in Windows-1251.
    EXPECT_EQ(Run("convert " + cry + " --key-file " + Put("k.txt", key + "\nrest\n")).out, expected);
    EXPECT_EQ(Run("convert " + cry + " --key-file " + Put("k1251.txt", W(key) + "\r\n")).out, expected);
}

TEST_F(CryptoCli, FailuresHaveTheirStatusAndMessage) {
    const std::string good = Container("oa-X\r\n", kKey);
    Header bad;
    bad.line = W("ЗАВРО КОРВАЛ IP/GPRS 16");
    const struct {
        std::string bytes;
        const char* key;
        int status;
        const char* message;
    } cases[] = {
        {good, "wrong", 14, "(текущий ключ не верный)"},
        {Container("oa-X\r\n", kKey, bad), "x", 11, "Ошибка контрольной сигнатуры файла конфигурации"},
        {good + "abc", "x", 12, "Ошибка размера файла конфигурации - файл не верный \nПроверьте источник файла"},
    };
    for (const auto& c : cases) {
        const std::string out = Put("out.ini", "previous");
        const CliRun r = Run("convert " + Put("c.cry", c.bytes) + " --key " + c.key + " -o " + out);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(Slurp(out), "previous");
    }
    EXPECT_EQ(Run("convert " + Put("c.cry", good)).status, 2);             // no key
    EXPECT_EQ(Run("convert " + Put("c.cry", good) + " --key '  '").status, 2); // blanks only
    EXPECT_EQ(Run("convert " + (dir_ / "none.cry").string() + " --key k").status, 1);
}

} // namespace
} // namespace zavro
