// The work settings: the program's own options, kept between runs.
//
// Plain C++: the record, its defaults and the rules of reading and writing
// it through a store of named values. The store of the program keeps the
// values with QSettings (settings_store.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zavro {

// Kinds of the four elements of the file-name mask.
enum MaskKind : std::uint8_t {
    kMaskEmpty = 0,  // "Пусто"
    kMaskPrefix = 1, // "Префикс"
    kMaskAlias = 2,  // "Псевдоним": the device name of the configuration
    kMaskIdent = 3,  // "Идентификатор": the identifier of the IP/UDP link
    kMaskSuffix = 4, // "Постфикс"
};

// Texts are UTF-8 (paths of the file system and texts typed on the screen).
struct TParamWork {
    bool HideHint = false;     // pop-up hints are hidden
    std::int32_t PortTM = 0;   // number of the serial port of the iButton reader (PortTMDevice)
    std::string ProgramPath;   // the program's folder with a trailing separator; not stored
    bool ListModeOpenSave = false; // "Открыть" shows the list of configurations
    std::string ListPathSave;  // the work folder, with a trailing separator
    bool MaskMode = true;      // saved files are named by the mask
    std::string MaskPref = "GSM4";
    std::string MaskDelim1 = "_";
    std::string MaskDelim2 = "_";
    std::string MaskDelim3 = "_";
    std::string MaskSuff;
    std::uint8_t MaskIdent1 = kMaskPrefix;
    std::uint8_t MaskIdent2 = kMaskAlias;
    std::uint8_t MaskIdent3 = kMaskIdent;
    std::uint8_t MaskIdent4 = kMaskSuffix;
};

// The one record of the program.
extern TParamWork ParamWork;

// Named values of the settings store.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored integer, or none when the value is missing or not a number.
    virtual std::optional<std::int64_t> ReadInteger(const std::string& name) const = 0;
    virtual std::optional<std::string> ReadText(const std::string& name) const = 0;
    virtual void WriteInteger(const std::string& name, std::int64_t value) = 0;
    virtual void WriteText(const std::string& name, const std::string& value) = 0;
    // Makes the written values permanent; false when they could not be stored.
    virtual bool Flush() = 0;
};

// Fills the record from the store; ProgramPath must be set before, since it
// is the default work folder. Missing values read as their defaults; an
// out-of-range mask kind reads as the element's default kind.
void LoadWorkSettings(TParamWork& record, const SettingsStore& store);

// Writes the record to the store; false when the store could not keep it.
bool SaveWorkSettings(const TParamWork& record, SettingsStore& store);

// The separator of folders in paths of this platform ("/").
constexpr char kPathSeparator = '/';

// The path with a trailing separator added when it has none (an empty
// path becomes the separator alone).
std::string WithTrailingSeparator(const std::string& path);

// The folder of a program file: its path up to and including the last
// separator; empty when the path has none.
std::string ProgramFolderOf(const std::string& programFile);

// The serial device of the iButton reader's port number:
//   0          no reader;
//   1..99      COM n, the built-in serial port /dev/ttyS(n-1);
//   101..199   USB serial adapter /dev/ttyUSB(n-101);
//   201..299   USB modem-class adapter /dev/ttyACM(n-201);
// any other number names no device (empty text).
std::string PortTMDevice(std::int32_t port);

} // namespace zavro
