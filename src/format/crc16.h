// CRC-16/MODBUS: reflected polynomial 0xA001, initial value 0xFFFF, no final
// XOR. The container's configuration text is protected by it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zavro {

inline constexpr std::uint16_t kCrc16Initial = 0xFFFF;

// The CRC of size bytes at data, continuing from crc (an empty range gives
// crc unchanged, so 0xFFFF from the start).
std::uint16_t Crc16Modbus(const std::uint8_t* data, std::size_t size,
                          std::uint16_t crc = kCrc16Initial);

inline std::uint16_t Crc16Modbus(std::string_view bytes) {
    return Crc16Modbus(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace zavro
