#pragma once
// Command codes of the 320F command protocol (byte 3 of a packet).
#include <cstdint>

namespace viremo::emulator::command {

inline constexpr uint8_t BeginSession = 1;
inline constexpr uint8_t EndSession = 2;
inline constexpr uint8_t ReadDeviceInfo = 3;
inline constexpr uint8_t ReadSettings = 5;
inline constexpr uint8_t WriteSettings = 6;
inline constexpr uint8_t ReadKeyTable = 7;
inline constexpr uint8_t WriteKeyTable = 9;
inline constexpr uint8_t WriteLightPage = 11;
inline constexpr uint8_t StreamLightFrame = 18;
inline constexpr uint8_t WriteMacroMemory = 21;
inline constexpr uint8_t WriteBulk = 23;
inline constexpr uint8_t ReadStatus = 26;
inline constexpr uint8_t ReadKeyAttributes = 27;
inline constexpr uint8_t TakeLightControl = 28;
// Answered by a wireless receiver itself; also the command byte of its reply
// to any other command while the device behind it is out of reach.
inline constexpr uint8_t QueryOnline = 170;

}  // namespace viremo::emulator::command
