#include "documents/work_settings.h"

namespace zavro {

TParamWork ParamWork;

namespace {

bool ReadBool(const SettingsStore& store, const char* name, bool fallback) {
    const auto v = store.ReadInteger(name);
    return v ? *v != 0 : fallback;
}

std::uint8_t ReadKind(const SettingsStore& store, const char* name, std::uint8_t fallback) {
    const auto v = store.ReadInteger(name);
    if (v && *v >= kMaskEmpty && *v <= kMaskSuffix) return static_cast<std::uint8_t>(*v);
    return fallback;
}

std::string ReadText(const SettingsStore& store, const char* name, const std::string& fallback) {
    const auto v = store.ReadText(name);
    return v ? *v : fallback;
}

} // namespace

void LoadWorkSettings(TParamWork& record, const SettingsStore& store) {
    const TParamWork defaults;
    record.HideHint = ReadBool(store, "HideHint", false);
    const auto port = store.ReadInteger("PortTM");
    record.PortTM = port && *port >= INT32_MIN && *port <= INT32_MAX
                        ? static_cast<std::int32_t>(*port)
                        : 0;
    record.ListPathSave = ReadText(store, "ListPathSave", record.ProgramPath);
    record.ListModeOpenSave = ReadBool(store, "ListModeOpenSave", false);
    record.MaskMode = ReadBool(store, "MaskMode", true);
    record.MaskPref = ReadText(store, "MaskPref", defaults.MaskPref);
    record.MaskDelim1 = ReadText(store, "MaskDelim1", defaults.MaskDelim1);
    record.MaskDelim2 = ReadText(store, "MaskDelim2", defaults.MaskDelim2);
    record.MaskDelim3 = ReadText(store, "MaskDelim3", defaults.MaskDelim3);
    record.MaskSuff = ReadText(store, "MaskSuff", defaults.MaskSuff);
    record.MaskIdent1 = ReadKind(store, "MaskIdent1", defaults.MaskIdent1);
    record.MaskIdent2 = ReadKind(store, "MaskIdent2", defaults.MaskIdent2);
    record.MaskIdent3 = ReadKind(store, "MaskIdent3", defaults.MaskIdent3);
    record.MaskIdent4 = ReadKind(store, "MaskIdent4", defaults.MaskIdent4);
}

bool SaveWorkSettings(const TParamWork& record, SettingsStore& store) {
    store.WriteInteger("HideHint", record.HideHint ? 1 : 0);
    store.WriteInteger("PortTM", record.PortTM);
    store.WriteText("ListPathSave", record.ListPathSave);
    store.WriteInteger("ListModeOpenSave", record.ListModeOpenSave ? 1 : 0);
    store.WriteInteger("MaskMode", record.MaskMode ? 1 : 0);
    store.WriteText("MaskPref", record.MaskPref);
    store.WriteText("MaskDelim1", record.MaskDelim1);
    store.WriteText("MaskDelim2", record.MaskDelim2);
    store.WriteText("MaskDelim3", record.MaskDelim3);
    store.WriteText("MaskSuff", record.MaskSuff);
    store.WriteInteger("MaskIdent1", record.MaskIdent1);
    store.WriteInteger("MaskIdent2", record.MaskIdent2);
    store.WriteInteger("MaskIdent3", record.MaskIdent3);
    store.WriteInteger("MaskIdent4", record.MaskIdent4);
    return store.Flush();
}

std::string WithTrailingSeparator(const std::string& path) {
    if (!path.empty() && path.back() == kPathSeparator) return path;
    return path + kPathSeparator;
}

std::string ProgramFolderOf(const std::string& programFile) {
    const auto pos = programFile.rfind(kPathSeparator);
    if (pos == std::string::npos) return {};
    return programFile.substr(0, pos + 1);
}

std::string PortTMDevice(std::int32_t port) {
    if (port >= 1 && port <= 99) return "/dev/ttyS" + std::to_string(port - 1);
    if (port >= 101 && port <= 199) return "/dev/ttyUSB" + std::to_string(port - 101);
    if (port >= 201 && port <= 299) return "/dev/ttyACM" + std::to_string(port - 201);
    return {};
}

} // namespace zavro
