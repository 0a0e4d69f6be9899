// The command table, the configuration's accessors and the catalogues.
#include <gtest/gtest.h>

#include "format/reader.h"
#include "format/writer.h"
#include "model/catalogues.h"
#include "model/cp1251.h"
#include "model/device.h"

using namespace zavro;

TEST(CommandTable, InstancesAndLimits) {
    EXPECT_EQ(InstanceCount(K_FileKey), 2);
    EXPECT_EQ(InstanceCount(K_Key), 250);
    EXPECT_EQ(InstanceCount(K_DeviceName), 1);
    T_Command_DEVICE d;
    EXPECT_EQ(d.Commands(K_FileKey)[0].Number, 1);
    EXPECT_EQ(d.Commands(K_FileKey)[1].Number, 2);
    EXPECT_EQ(d.Commands(K_Key)[249].Number, 250);
    EXPECT_EQ(d.Commands(K_DeviceName)[0].Number, 0);
    EXPECT_EQ(ParamLimit(40, 2, 2), 900);
    EXPECT_EQ(ParamLimit(20, 1, 0), -1);
    EXPECT_EQ(ParamLimit(5, 3, 0), 0);
    EXPECT_EQ(ParamLimit(13, 1, 3), 0);
    int total = 0;
    for (int k = 1; k < kKindCount - 1; ++k) total += InstanceCount(k);
    EXPECT_EQ(total, 658);
}

TEST(CommandTable, KeywordsIgnoreCaseAndKindsWithoutKeywordNeverMatch) {
    for (std::string w : {"Korvant", "KORVANT", "kOrVaNt"}) EXPECT_EQ(KeywordKind(w), K_Version);
    std::string w = "KS1";
    EXPECT_EQ(KeywordKind(w), K_FileKey);
    EXPECT_EQ(w, "ks1"); // the text stays lower-cased
    for (std::string x : {"", "korvant-gsm", "x", "lax", "sabc"}) EXPECT_EQ(KeywordKind(x), 0) << x;
    T_Command_DEVICE d;
    EXPECT_EQ(BuildCommandLine(d, 0, 0), "");
    EXPECT_EQ(BuildCommandLine(d, 65, 0), "");
}

TEST(Device, SpecialDefaults) {
    T_Command_DEVICE d;
    d.SetDefaults();
    EXPECT_EQ(d.Get_Version(), "Config GSM4 soft v.3.0");
    EXPECT_EQ(d.Get_TrapAddress(), "000.000.000.000");
    EXPECT_EQ(d.Get_Community(), "tavrix");
    EXPECT_EQ(d.Get_ShleifType(1), 1);
    EXPECT_EQ(d.Get_ShleifDelay(1), 90);
    EXPECT_EQ(d.Get_ShleifType(2), 4);
    EXPECT_EQ(d.Get_ShleifDelay(2), 0);
    EXPECT_EQ(d.Get_ShleifType(7), 8);
    EXPECT_EQ(d.Get_ShleifType(8), 8);
    EXPECT_EQ(d.Get_ShleifType(9), 2);
    EXPECT_EQ(d.Get_ReleMode(1), 4);
    EXPECT_EQ(d.Get_ReleMode(2), 2);
    EXPECT_EQ(d.Get_ReleDelay(4), 90);
    EXPECT_EQ(d.Get_ReleParts(1), PartSet{1});
    EXPECT_TRUE(d.Get_ReleParts(3).Empty());
    EXPECT_EQ(d.Get_ShleifPart(16), 1);
    EXPECT_EQ(d.Get_KeyParts(250), PartSet{1});
    EXPECT_EQ(d.Get_SimMaster(), 1);
    EXPECT_EQ(d.Get_IndicZone(), 1);
    EXPECT_EQ(d.Get_GprsPort(2, 3), 10001);
    EXPECT_EQ(PartsToText(d.Get_SirenParts()), "");
}

TEST(Device, IndexOutOfRangeReadsNothingAndWritesNothing) {
    T_Command_DEVICE d;
    d.SetDefaults();
    const std::string before = ConfigurationText(d);
    d.Set_SmsPhone(0, "1");
    d.Set_SmsPhone(10, "1");
    d.Set_ShleifName(17, "x");
    d.Set_KeyCode(251, "12");
    d.Set_GprsServer(3, 1, "x");
    d.Set_GprsServer(1, 4, "x");
    d.Set_LanPort(4, 5);
    d.Set_ReleParts(5, PartSet{2});
    d.Set_ShleifPart(17, 2);
    EXPECT_EQ(ConfigurationText(d), before);
    EXPECT_EQ(d.Get_SmsPhone(0), "");
    EXPECT_EQ(d.Get_SmsPhone(10), "");
    EXPECT_EQ(d.Get_ShleifType(0), 0);
    EXPECT_EQ(d.Get_ShleifPart(17), 0);
    EXPECT_EQ(d.Get_KeyType(0), 0);
    EXPECT_EQ(d.Get_ShleifTypeName(17), "");
    EXPECT_EQ(d.Get_ReleModeName(9), ReleModeText(0));
}

TEST(Device, GuardedSetters) {
    T_Command_DEVICE d;
    d.SetDefaults();
    d.Set_SimMaster(3);
    EXPECT_EQ(d.Get_SimMaster(), 1);
    d.Set_SimMaster(2);
    EXPECT_EQ(d.Get_SimMaster(), 2);
    EXPECT_EQ(d.Commands(K_SimMaster)[0].Value1, 1);
    d.Set_RuleSMS(3);
    EXPECT_EQ(d.Get_RuleSMS(), 2);
    d.Set_SimMode(0);
    EXPECT_EQ(d.Get_SimMode(), 1);
    d.Set_SimMode(2);
    EXPECT_EQ(d.Get_SimMode(), 2);
    d.Set_LanMode(2);
    EXPECT_EQ(d.Get_LanMode(), 2);
    d.Set_LanMode(5);
    EXPECT_EQ(d.Get_LanMode(), 0);
    d.Set_MasterChannel(3);
    EXPECT_EQ(d.Get_MasterChannel(), 0);
    d.Set_PowerOffMode(2);
    EXPECT_EQ(d.Get_PowerOffMode(), 0);
}

TEST(Device, FlagsByTheirRule) {
    T_Command_DEVICE d;
    d.SetDefaults();
    d.Commands(K_LockNoIP)[0].Value1 = 7;   // flag <> 0
    d.Commands(K_SmsCyrillic)[0].Value1 = 7; // flag = 1
    EXPECT_TRUE(d.Get_LockNoIP());
    EXPECT_FALSE(d.Get_SmsCyrillic());
    d.Set_SmsCyrillic(true);
    EXPECT_EQ(d.Commands(K_SmsCyrillic)[0].Value1, 1);
    d.Set_LockNoIP(false);
    EXPECT_EQ(d.Commands(K_LockNoIP)[0].Value1, 0);
}

TEST(Device, LoopToPartitionLeavesHoles) {
    T_Command_DEVICE d;
    d.SetDefaults();
    d.Set_ShleifPart(3, 2);
    const auto& p1 = d.Commands(K_ShleifPart)[0].Aux;
    EXPECT_EQ(p1[2], 2);
    EXPECT_EQ(p1[3], 0);
    EXPECT_EQ(p1[4], 4);
    EXPECT_EQ(d.Commands(K_ShleifPart)[1].Aux[1], 3);
    EXPECT_EQ(d.Get_ShleifPart(3), 2);
    d.Set_ShleifPart(3, 0);
    EXPECT_EQ(d.Get_ShleifPart(3), 0);
    d.Set_ShleifPart(3, 1); // back into the hole it left
    EXPECT_EQ(p1[3], 3);
}

TEST(Device, KeyTypePrefixAndName) {
    T_Command_DEVICE d;
    d.SetDefaults();
    d.Set_KeyName(5, "Petrov");
    d.Set_KeyType(5, 1);
    EXPECT_EQ(d.Commands(K_Key)[4].Text1, "!Petrov");
    EXPECT_EQ(d.Get_KeyName(5), "Petrov");
    EXPECT_EQ(d.Get_KeyType(5), 1);
    d.Set_KeyName(5, "Alexandrovich");
    EXPECT_EQ(d.Commands(K_Key)[4].Text1, "!Alexandro");
    d.Set_KeyType(5, 2);
    EXPECT_EQ(d.Commands(K_Key)[4].Text1, "*Alexandro");
    d.Set_KeyType(5, 0);
    EXPECT_EQ(d.Commands(K_Key)[4].Text1, "Alexandro");
    d.Set_KeyName(6, "ABCDEFGHIJ");
    EXPECT_EQ(d.Get_KeyName(6), "ABCDEFGHIJ");
    d.Set_KeyType(6, 1);
    EXPECT_EQ(d.Get_KeyName(6), "ABCDEFGHI");
    // A long name read from a file keeps all of it for type 0, is cut for 1 and 2.
    d.Commands(K_Key)[6].Text1 = "*12345678901234";
    EXPECT_EQ(d.Get_KeyName(7), "123456789");
}

TEST(Device, KeyCaptionAndCode) {
    T_Command_DEVICE d;
    d.SetDefaults();
    d.Set_KeyName(7, "Ivanov");
    EXPECT_EQ(Cp1251ToUtf8(d.Get_KeyCaption(7)), "Ключ №007(\"Ivanov\")");
    EXPECT_EQ(Cp1251ToUtf8(d.Get_KeyCaption(42)), "Ключ №042");
    EXPECT_EQ(Cp1251ToUtf8(d.Get_KeyCaption(120)), "Ключ №120");
    d.Set_KeyCode(1, "ABCD");
    EXPECT_EQ(d.Get_KeyCode(1), "ABCD00000000");
    d.Set_KeyCode(1, "");
    EXPECT_EQ(d.Get_KeyCode(1), "");
}

TEST(Device, SetsAndTheirTexts) {
    T_Command_DEVICE d;
    d.SetDefaults();
    d.Set_SmsKKeys(1, KeySet{2, 9, 40, 41, 42, 200});
    EXPECT_EQ(KeySetToText(d.Get_SmsKKeys(1)), "2,9,40,41,42");
    d.Set_SirenParts(PartSet{16, 1, 2, 4, 5, 6});
    EXPECT_EQ(d.Commands(K_SirenParts)[0].Aux[1], 1);
    EXPECT_EQ(d.Commands(K_SirenParts)[0].Aux[6], 16);
    EXPECT_EQ(PartsToText(d.Get_SirenParts()), "1-2,4-6,16");
    EXPECT_EQ(PartsToText(PartSet{1, 2, 3, 5}), "1-3,5");
    EXPECT_EQ(PartsToText(PartSet{16}), "16");
    EXPECT_EQ(PartsToText(PartSet{}), "");
    EXPECT_EQ(KeySetToText(KeySet{3, 7, 120}), "3,7,120");
    // Values outside 1..31 in a list are ignored by the getter.
    d.Commands(K_KeyParts)[0].Aux = {0, 3, 40, -1, 0, 2};
    EXPECT_EQ(d.Get_KeyParts(1), (PartSet{2, 3}));
}

TEST(Catalogues, LookUps) {
    EXPECT_EQ(ShleifTypeAt(1), 7);
    EXPECT_EQ(ShleifTypeAt(3), 16);
    EXPECT_EQ(ShleifTypeAt(16), 0);
    EXPECT_EQ(ShleifTypeText(13), "");
    EXPECT_EQ(ShleifTypeText(0), "");
    EXPECT_EQ(SmsTypeAt(5), 8);
    EXPECT_EQ(SmsTypeAt(6), 4);
    EXPECT_EQ(SmsTypeText(5), "");
    EXPECT_EQ(GsmTypeAt(3, 1), 2);
    EXPECT_EQ(GsmTypeAt(9, 0), -1);
    EXPECT_EQ(GsmTypeAt(8, 2), 7);
    EXPECT_EQ(GsmTypeText(0, 2), "ТЕЛЕФОН НЕ ИСПОЛЬЗУЕТСЯ");
    EXPECT_EQ(ReleModeAt(12), 255);
    EXPECT_EQ(ReleModeAt(11), 10);
    EXPECT_EQ(KeyTypeAt(0), 255);
    EXPECT_EQ(KeyTypeAt(2), 1);
    EXPECT_EQ(KeyTypeShort(1), "Принуждение");
    EXPECT_EQ(DataModeAt(0), -1);
    EXPECT_EQ(DataModeText(2), "Только звонок без соединения (ГОЛОС)");
    EXPECT_EQ(ProtocolText(0), "Автоопределение");
    EXPECT_EQ(ProtocolText(5), "");
}

TEST(Catalogues, TextsKeepTheirBlanksAndLineBreaks) {
    const std::string loop1 = ShleifTypeText(1);
    EXPECT_EQ(CatalogueShortName(loop1), "охранный с задержкой");
    EXPECT_NE(CatalogueDescription(loop1).find("охрану,\r   то раздел"), std::string::npos);
    EXPECT_TRUE(GsmTypeText(5, 1).ends_with("по голосовому каналу "));
    EXPECT_NE(GsmTypeText(6, 1).back(), ' ');
    EXPECT_NE(SmsTypeText(2).find("служебных  событий"), std::string::npos);
    EXPECT_EQ(GsmTypeText(0, 0).find('|'), std::string::npos);
    EXPECT_EQ(CatalogueDescription(GsmTypeText(0, 0)), "");
    T_Command_DEVICE d;
    d.SetDefaults();
    EXPECT_EQ(CatalogueShortName(d.Get_ShleifTypeName(7)), "пожарный тип 1 (дымовые извещатели)");
    EXPECT_EQ(CatalogueShortName(d.Get_ReleModeName(1)), "СИРЕНА-1(охрана)");
    d.Set_ShleifType(2, 13);
    EXPECT_EQ(d.Get_ShleifTypeName(2), "");
}
