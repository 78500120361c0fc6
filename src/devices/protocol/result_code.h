#pragma once
// Result codes of the command channel and the device operations built on it.
namespace viremo::devices {

inline constexpr int kSuccess = 1;
inline constexpr int kNotDone = 0;          // channel closed or suspended, or no reply in time
inline constexpr int kWriteFailed = -1;     // the report could not be written
inline constexpr int kUnreachable = -101;   // the receiver cannot reach the device behind it
inline constexpr int kRefused = -102;       // reply status 255
inline constexpr int kDeviceError = -103;   // reply status 254
inline constexpr int kBadKeyTablePage = -201;
inline constexpr int kRecoilTooLarge = -202;  // the recoil image does not fit the mouse

}  // namespace viremo::devices
