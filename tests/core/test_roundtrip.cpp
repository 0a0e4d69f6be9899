// Written configurations read back: generated configurations survive a
// write and a read, and any text reaches a fixed point after one reading.
#include <random>

#include <gtest/gtest.h>

#include "format/reader.h"
#include "format/text_buffer.h"
#include "format/writer.h"

using namespace zavro;

namespace {

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    // A text that a one-segment value carries unchanged: no ".", ";", "$",
    // line breaks, no blanks at its ends; Windows-1251 letters included.
    std::string Text(int maxLen, bool allowEmpty = true) {
        static const std::string chars =
            "abcXYZ019 ,-!*#+_\t\xC0\xC1\xE0\xFF\xA8\xB8\xB9\x98";
        const int len = Int(allowEmpty ? 0 : 1, maxLen);
        std::string s;
        for (int i = 0; i < len; ++i) s += chars[Int(0, static_cast<int>(chars.size()) - 1)];
        while (!s.empty() && s.front() == ' ') s.erase(0, 1);
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
    }

    std::string Digits(int len) {
        std::string s;
        for (int i = 0; i < len; ++i) s += static_cast<char>('0' + Int(0, 9));
        return s;
    }

    std::string HexCode() {
        static const std::string hex = "0123456789ABCDEF";
        std::string s;
        for (int i = 0; i < 12; ++i) s += hex[Int(0, 15)];
        return s;
    }

    PartSet Parts() {
        PartSet set;
        for (int p = 1; p <= 16; ++p)
            if (Int(0, 3) == 0) set.Insert(p);
        return set;
    }

    int InRange(int kind, int value) {
        return Int(ParamLimit(kind, value, 0) < 0 ? 0 : ParamLimit(kind, value, 0), ParamLimit(kind, value, 2));
    }

    // Every value within its range and in the form the pages store it.
    T_Command_DEVICE Configuration() {
        T_Command_DEVICE d;
        d.SetDefaults();
        for (int kind = 1; kind < kKindCount - 1; ++kind) {
            const TParamImage& row = ParamImages[kind];
            for (T_Command& c : d.Commands(kind)) {
                if (row.kind1 == V1Integer) c.Value1 = InRange(kind, 1);
                if (row.kind2 == V2Integer) c.Value2 = InRange(kind, 2);
                if (row.kind1 == V1Text || row.kind1 == V1TextRest) c.Text1 = Text(20);
                if (row.kind2 == V2Text) c.Text2 = Text(16);
            }
        }
        d.Set_Version(Text(30, false));
        d.Set_TrapAddress(Digits(3) + "," + Digits(3) + "," + Digits(3) + "," + Digits(3));
        for (int i = 1; i <= 9; ++i) {
            if (d.Get_SmsPhone(i).empty()) d.Set_SmsType(i, 0);
            if (d.Get_GsmPhone(i).empty() || d.Get_GsmType(i) == 0) {
                d.Set_GsmType(i, 0);
                d.Set_GsmPhone(i, "");
            }
            KeySet keys;
            for (int k = Int(0, 5); k > 0; --k) keys.Insert(Int(1, 250));
            d.Set_SmsKKeys(i, keys);
        }
        for (int i = 1; i <= 250; ++i) {
            d.Set_KeyName(i, Text(9));
            d.Set_KeyType(i, Int(0, 2));
            d.Set_KeyCode(i, Int(0, 3) == 0 ? std::string() : HexCode());
            d.Set_KeyParts(i, Parts());
            // A name cut to ten characters may end, or after a type change
            // begin, with a blank, which no text value keeps.
            std::string& name = d.Commands(K_Key)[i - 1].Text1;
            while (!name.empty() && name.back() == ' ') name.pop_back();
            while (!name.empty() && name.front() == ' ') name.erase(0, 1);
        }
        for (int i = 1; i <= 2; ++i)
            if (d.Get_BalancePhone(i).empty()) d.Set_BalanceDelay(i, 0);
        for (int i = 1; i <= 16; ++i) d.Set_ShleifPart(i, Int(0, 16));
        for (int i = 1; i <= 4; ++i) d.Set_ReleParts(i, Parts());
        d.Set_SirenParts(Parts());
        // Loop partitions are compacted on reading; start from packed lists.
        for (T_Command& c : d.Commands(K_ShleifPart)) {
            std::array<std::int32_t, 17> packed{};
            int n = 1;
            for (int a = 1; a <= 16; ++a)
                if (c.Aux[a] != 0) packed[n++] = c.Aux[a];
            c.Aux = packed;
        }
        return d;
    }

    // A text of random command-like pieces, damaged lines and noise.
    std::string Noise() {
        static const char* pieces[] = {
            "la", "lm", "ua", "sz", "rz", "su", "sn", "dn", "cb", "sa", "Korvant", "KS", "oa", "st",
            "gs", "fe", "!!", "-", ".", ",", ";", "$", " ", "\t", "\r\n", "\r", "\n", "0", "7", "16",
            "250", "99999", "123456", "*", "abc", "\xC0\xFF", "#10", "..", "-.", "17"};
        std::string s;
        const int n = Int(0, 400);
        for (int i = 0; i < n; ++i) s += pieces[Int(0, static_cast<int>(std::size(pieces)) - 1)];
        return s;
    }

private:
    std::mt19937 rng_;
};

T_Command_DEVICE ReadText(const std::string& text) {
    T_Command_DEVICE d;
    d.SetDefaults();
    ReadConfiguration(LoadTextBuffer(text), d);
    return d;
}

TEST(RoundTrip, GeneratedConfigurationsReadBackUnchanged) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        Generator gen(seed);
        const T_Command_DEVICE original = gen.Configuration();
        const std::string written = ConfigurationText(original);
        const T_Command_DEVICE back = ReadText(written);
        ASSERT_EQ(ConfigurationText(back), written) << "seed " << seed;
        EXPECT_EQ(back.Get_Version(), original.Get_Version());
        for (int i = 1; i <= 250; i += 37) EXPECT_EQ(back.Get_KeyCode(i), original.Get_KeyCode(i));
    }
}

TEST(RoundTrip, AnyTextIsStableAfterTheFirstReading) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Generator gen(seed);
        const std::string noise = gen.Noise();
        const std::string first = ConfigurationText(ReadText(noise));
        const std::string second = ConfigurationText(ReadText(first));
        const std::string third = ConfigurationText(ReadText(second));
        // A version text holding "." gains a blank after it once; after
        // that nothing changes.
        ASSERT_EQ(third, second) << "seed " << seed << "\n" << noise;
        ASSERT_EQ(std::count(third.begin(), third.end(), '\n'), 658);
    }
}

TEST(RoundTrip, WhatReadingChanges) {
    T_Command_DEVICE d;
    d.SetDefaults();
    d.Set_Version("v.3.0");
    d.Commands(K_Key)[0].Text2 = "00000000abcd";
    d.Commands(K_SirenParts)[0].Aux = {0, 1, 0, 3};
    d.Set_SmsType(1, 3); // no number
    d.Set_LanMode(2);
    d.Set_GprsPort(1, 1, 0); // below its range: not written
    const T_Command_DEVICE back = ReadText(ConfigurationText(d));
    EXPECT_EQ(back.Get_Version(), "v. 3. 0");
    EXPECT_EQ(back.Get_KeyCode(1), "00000000ABCD");
    EXPECT_EQ(back.Commands(K_SirenParts)[0].Aux[2], 3);
    EXPECT_EQ(back.Get_SmsType(1), 0);
    EXPECT_EQ(back.Get_LanMode(), 0);
    EXPECT_EQ(back.Get_GprsPort(1, 1), 10001); // 0 is below the minimum: the default
    EXPECT_EQ(back.Get_TrapAddress(), "000");  // the default address holds dots
}

} // namespace
