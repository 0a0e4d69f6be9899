// Fuzz target: the configuration text reader on any file bytes, loaded
// through the text buffer into a configuration at its defaults.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "format/reader.h"
#include "format/text_buffer.h"
#include "model/device.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        zavro::LoadTextBuffer(std::string_view(reinterpret_cast<const char*>(data), size));
    zavro::T_Command_DEVICE device;
    device.SetDefaults();
    zavro::ReadConfiguration(text, device);
    return 0;
}
