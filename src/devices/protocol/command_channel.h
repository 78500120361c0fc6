#pragma once
// A device's command path: its vendor-collection interface on the cable and
// through the wireless receiver, one of them in use. Every command is a
// 64-byte packet answered by one reply; longer data is split into packets of
// the payload size (56 bytes on the cable, 24 through the receiver) with the
// address advancing, stopping at the first failure.
//
// Three locks serialise the traffic of one device: the I/O lock around each
// exchange on the wire (and around opening and switching interfaces), the
// command lock around each packet of the ordinary commands and the light lock
// around each packet of light data. A light frame that finds a transaction in
// progress is dropped rather than queued.
//
// Operations return the codes of result_code.h.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>

#include "devices/protocol/command_packet.h"
#include "hid/hid_device.h"

namespace viremo::devices {

inline constexpr int kCableTimeoutMs = 1000;
inline constexpr int kReceiverTimeoutMs = 5000;
inline constexpr uint16_t kMaxBlockSize = 512;
inline constexpr size_t kDeviceInfoSize = 34;
inline constexpr uint8_t kCablePayload = 56;
inline constexpr uint8_t kReceiverPayload = 24;

enum class ConnectionMode { Cable = 1, Receiver = 2 };

class CommandChannel {
public:
    explicit CommandChannel(hid::Backend& backend = hid::systemBackend());
    ~CommandChannel();
    CommandChannel(const CommandChannel&) = delete;
    CommandChannel& operator=(const CommandChannel&) = delete;

    // One exchange: writes the packet and reads its reply (a reply that
    // answers another command is read past once). Logged as "命令"/"返回".
    int Transact(const Packet& packet, Packet& reply);
    // The same on the cable only, with one read and no logging.
    int TransactQuiet(const Packet& packet, Packet& reply);

    // The command set. ReadSettings and ReadStatus read as many bytes as the
    // span holds; the fixed-size reads put their data at its start, and a
    // span too small for them is refused with kNotDone before anything is
    // sent.
    int BeginSession();
    int EndSession();  // sent 10 ms after the call
    int ReadDeviceInfo(std::span<uint8_t> info);  // 34 bytes from address 0
    int ReadSettings(uint16_t address, std::span<uint8_t> settings);
    int WriteSettings(uint16_t address, std::span<const uint8_t> settings);
    int ReadKeyTable(std::span<uint8_t> table);  // block-size bytes
    int WriteKeyTable(int page, std::span<const uint8_t> table);  // block-size bytes; page 0 only
    int WriteLightPage(int page, int pageLength, std::span<const uint8_t> colours);
    int StreamLightFrame(std::span<const uint8_t> frame);  // cable only; success on the receiver
    int WriteMacroMemory(std::span<const uint8_t> image);
    int WriteBulk(std::span<const uint8_t> data);  // 56-byte packets, no command lock
    int ReadStatus(uint16_t address, std::span<uint8_t> status);  // one packet, at most 56 bytes
    int ReadKeyAttributes(std::span<uint8_t> attributes);  // block-size / 3 bytes
    int TakeLightControl();
    // On the cable always true, without sending. Through the receiver true
    // when the receiver answers that the device behind it is reachable.
    bool QueryOnline();

    // Cable: payload 56; receiver: payload 24 and the receiver interface.
    void SetConnectionMode(ConnectionMode mode);
    bool IsViaReceiver() const { return viaReceiver_; }
    uint8_t PayloadSize() const { return payloadSize_; }
    // Accepted when at most 512.
    bool SetBlockSize(uint16_t size);
    uint16_t BlockSize() const { return blockSize_; }

    bool IsOpen() const { return open_; }
    void SetOpen(bool open) { open_ = open; }
    bool IsSuspended() const { return suspended_; }
    void SetSuspended(bool suspended) { suspended_ = suspended; }
    // True while a transaction is in progress.
    bool IsBusy() const { return busy_ > 0; }
    // Set while the device takes part in synchronised lighting.
    int SyncFlag() const { return syncFlag_; }
    void SetSyncFlag(int flag) { syncFlag_ = flag; }
    // Light frames go out without logging; a tool watching the stream turns
    // the packet log on for them.
    void SetLightFrameLogging(bool logging) { logLightFrames_ = logging; }

    // Opening, closing and switching, each under the I/O lock. Attach opens
    // the path on the cable or receiver interface (read and write, shared)
    // and marks the channel open when that succeeds; the channel is closed
    // meanwhile. Detach marks it closed and closes both interfaces.
    bool Attach(ConnectionMode interface, const std::string& path);
    void Detach();
    std::mutex& IoLock() { return ioLock_; }
    hid::HidDevice& CableInterface() { return cable_; }
    hid::HidDevice& ReceiverInterface() { return receiver_; }

private:
    enum class Guard { Command, Light, None };
    int ReadChunked(Command command, uint16_t address, std::span<uint8_t> out);
    int WriteChunked(Command command, uint32_t address, std::span<const uint8_t> data, uint8_t chunkSize,
                     Guard guard);
    // One packet under the given lock, with the reply status turned into a
    // result code.
    int Exchange(const Packet& packet, Packet& reply, Guard guard);
    int SendStreamPacket(const Packet& packet);
    int ReadReply(hid::HidDevice& device, int timeoutMs, uint8_t command, bool viaReceiver, Packet& reply);

    std::atomic<uint16_t> blockSize_{kMaxBlockSize};
    std::atomic<int> busy_{0};
    std::atomic<bool> suspended_{false};
    std::atomic<bool> open_{false};
    std::atomic<int> syncFlag_{0};
    hid::HidDevice cable_;
    hid::HidDevice receiver_;
    std::mutex ioLock_;
    std::mutex commandLock_;
    std::mutex lightLock_;
    std::atomic<bool> viaReceiver_{false};
    std::atomic<bool> logLightFrames_{false};
    std::atomic<uint8_t> payloadSize_{kReceiverPayload};
};

}  // namespace viremo::devices
