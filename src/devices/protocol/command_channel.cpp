#include "devices/protocol/command_channel.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "devices/protocol/packet_log.h"
#include "devices/protocol/result_code.h"
#include "platform/log.h"

namespace viremo::devices {
namespace {

constexpr uint32_t kAddressSpace = 0x10000;  // addresses are 16 bits
constexpr auto kEndSessionDelay = std::chrono::milliseconds(10);

// Marks the channel busy for the lifetime of one transaction, whichever way
// it ends.
class BusyMark {
public:
    explicit BusyMark(std::atomic<int>& busy) : busy_(busy) { ++busy_; }
    ~BusyMark() { --busy_; }
    BusyMark(const BusyMark&) = delete;
    BusyMark& operator=(const BusyMark&) = delete;

private:
    std::atomic<int>& busy_;
};

bool fitsAddressSpace(uint32_t address, size_t length) {
    return address <= kAddressSpace && length <= kAddressSpace - address;
}

int resultOfStatus(const Packet& reply) {
    switch (replyStatus(reply)) {
    case kStatusRefused: return kRefused;
    case kStatusError: return kDeviceError;
    default: return kSuccess;
    }
}

}  // namespace

CommandChannel::CommandChannel(hid::Backend& backend) : cable_(backend), receiver_(backend) {}

CommandChannel::~CommandChannel() { Detach(); }

int CommandChannel::Transact(const Packet& packet, Packet& reply) {
    BusyMark busy(busy_);
    if (!open_ || suspended_) return kNotDone;
    logPacket(kPacketTitle, packet);
    Packet answer{};
    int result = kNotDone;
    {
        std::lock_guard io(ioLock_);
        const bool viaReceiver = viaReceiver_;
        hid::HidDevice& device = viaReceiver ? receiver_ : cable_;
        const int timeoutMs = viaReceiver ? kReceiverTimeoutMs : kCableTimeoutMs;
        size_t written = 0;
        if (!device.Write(packet.data(), packet.size(), &written, timeoutMs)) return kWriteFailed;
        result = ReadReply(device, timeoutMs, packet[3], viaReceiver, answer);
    }
    if (result == kUnreachable) return result;
    reply = answer;
    logPacket(kReplyTitle, reply);
    return result;
}

int CommandChannel::TransactQuiet(const Packet& packet, Packet& reply) {
    BusyMark busy(busy_);
    if (!open_ || suspended_) return kNotDone;
    std::lock_guard io(ioLock_);
    size_t transferred = 0;
    if (!cable_.Write(packet.data(), packet.size(), &transferred, kCableTimeoutMs)) return kWriteFailed;
    reply.fill(0);
    return cable_.Read(reply.data(), reply.size(), &transferred, kCableTimeoutMs) ? kSuccess : kNotDone;
}

// A reply answers the packet when it repeats its command byte. One reply
// that does not is read past; the next one is taken as the answer whatever
// it holds. A receiver that answers with command byte 170 cannot reach the
// device behind it.
int CommandChannel::ReadReply(hid::HidDevice& device, int timeoutMs, uint8_t command, bool viaReceiver,
                              Packet& reply) {
    size_t transferred = 0;
    if (!device.Read(reply.data(), reply.size(), &transferred, timeoutMs)) return kNotDone;
    if (replyCommand(reply) == command) return kSuccess;
    if (viaReceiver && replyCommand(reply) == kReplyDeviceUnreachable) return kUnreachable;
    reply.fill(0);
    return device.Read(reply.data(), reply.size(), &transferred, timeoutMs) ? kSuccess : kNotDone;
}

int CommandChannel::Exchange(const Packet& packet, Packet& reply, Guard guard) {
    std::unique_lock<std::mutex> lock;
    if (guard == Guard::Command) lock = std::unique_lock(commandLock_);
    if (guard == Guard::Light) lock = std::unique_lock(lightLock_);
    const int result = Transact(packet, reply);
    if (result != kSuccess) return result;
    return resultOfStatus(reply);
}

int CommandChannel::ReadChunked(Command command, uint16_t address, std::span<uint8_t> out) {
    if (!fitsAddressSpace(address, out.size())) return kNotDone;
    const size_t payload = payloadSize_;
    for (size_t offset = 0; offset < out.size(); offset += payload) {
        const size_t length = std::min(payload, out.size() - offset);
        const Packet packet =
            buildPacket(command, static_cast<uint16_t>(address + offset), static_cast<uint8_t>(length));
        Packet reply{};
        const int result = Exchange(packet, reply, Guard::Command);
        if (result != kSuccess) return result;
        std::copy_n(replyData(reply).begin(), length, out.begin() + offset);
    }
    return kSuccess;
}

int CommandChannel::WriteChunked(Command command, uint32_t address, std::span<const uint8_t> data,
                                 uint8_t chunkSize, Guard guard) {
    if (!fitsAddressSpace(address, data.size())) return kNotDone;
    for (size_t offset = 0; offset < data.size(); offset += chunkSize) {
        const auto chunk = data.subspan(offset, std::min<size_t>(chunkSize, data.size() - offset));
        const Packet packet = buildPacket(command, static_cast<uint16_t>(address + offset),
                                          static_cast<uint8_t>(chunk.size()), chunk);
        Packet reply{};
        const int result = Exchange(packet, reply, guard);
        if (result != kSuccess) return result;
    }
    return kSuccess;
}

int CommandChannel::BeginSession() {
    Packet reply{};
    return Exchange(buildPacket(Command::BeginSession, 0, 0), reply, Guard::Command);
}

int CommandChannel::EndSession() {
    std::this_thread::sleep_for(kEndSessionDelay);
    Packet reply{};
    return Exchange(buildPacket(Command::EndSession, 0, 0), reply, Guard::Command);
}

int CommandChannel::ReadDeviceInfo(std::span<uint8_t> info) {
    if (info.size() < kDeviceInfoSize) return kNotDone;
    return ReadChunked(Command::ReadDeviceInfo, 0, info.first(kDeviceInfoSize));
}

int CommandChannel::ReadSettings(uint16_t address, std::span<uint8_t> settings) {
    return ReadChunked(Command::ReadSettings, address, settings);
}

int CommandChannel::WriteSettings(uint16_t address, std::span<const uint8_t> settings) {
    return WriteChunked(Command::WriteSettings, address, settings, payloadSize_, Guard::Command);
}

int CommandChannel::ReadKeyTable(std::span<uint8_t> table) {
    const uint16_t size = blockSize_;
    if (table.size() < size) return kNotDone;
    return ReadChunked(Command::ReadKeyTable, 0, table.first(size));
}

int CommandChannel::WriteKeyTable(int page, std::span<const uint8_t> table) {
    if (page != 0) return kBadKeyTablePage;
    const uint16_t size = blockSize_;
    if (table.size() < size) return kNotDone;
    return WriteChunked(Command::WriteKeyTable, 0, table.first(size), payloadSize_, Guard::Command);
}

int CommandChannel::WriteLightPage(int page, int pageLength, std::span<const uint8_t> colours) {
    if (page < 0 || pageLength < 0) return kNotDone;
    const uint64_t address = uint64_t(page) * uint64_t(pageLength);
    if (address >= kAddressSpace) return kNotDone;
    return WriteChunked(Command::WriteLightPage, static_cast<uint32_t>(address), colours, payloadSize_,
                        Guard::Light);
}

int CommandChannel::StreamLightFrame(std::span<const uint8_t> frame) {
    if (viaReceiver_) return kSuccess;
    if (!fitsAddressSpace(0, frame.size())) return kNotDone;
    const size_t payload = payloadSize_;
    for (size_t offset = 0; offset < frame.size(); offset += payload) {
        const auto chunk = frame.subspan(offset, std::min(payload, frame.size() - offset));
        const int result = SendStreamPacket(buildPacket(Command::StreamLightFrame, static_cast<uint16_t>(offset),
                                                        static_cast<uint8_t>(chunk.size()), chunk));
        if (result != kSuccess) return result;
    }
    return kSuccess;
}

int CommandChannel::SendStreamPacket(const Packet& packet) {
    std::lock_guard light(lightLock_);
    if (IsBusy()) {
        log::line("放弃灯光数据");
        return kNotDone;
    }
    if (logLightFrames_) logPacket(kPacketTitle, packet);
    Packet reply{};
    const int result = TransactQuiet(packet, reply);
    if (result != kSuccess) return result;
    return resultOfStatus(reply);
}

int CommandChannel::WriteMacroMemory(std::span<const uint8_t> image) {
    return WriteChunked(Command::WriteMacroMemory, 0, image, payloadSize_, Guard::Command);
}

int CommandChannel::WriteBulk(std::span<const uint8_t> data) {
    return WriteChunked(Command::WriteBulk, 0, data, kMaxPacketData, Guard::None);
}

int CommandChannel::ReadStatus(uint16_t address, std::span<uint8_t> status) {
    if (status.size() > kMaxPacketData) return kNotDone;
    const Packet packet = buildPacket(Command::ReadStatus, address, static_cast<uint8_t>(status.size()));
    Packet reply{};
    const int result = Exchange(packet, reply, Guard::Command);
    if (result != kSuccess) return result;
    std::copy_n(replyData(reply).begin(), status.size(), status.begin());
    return kSuccess;
}

int CommandChannel::ReadKeyAttributes(std::span<uint8_t> attributes) {
    const uint16_t size = blockSize_ / 3;
    if (attributes.size() < size) return kNotDone;
    return ReadChunked(Command::ReadKeyAttributes, 0, attributes.first(size));
}

int CommandChannel::TakeLightControl() {
    Packet reply{};
    return Exchange(buildPacket(Command::TakeLightControl, 0, 0), reply, Guard::Command);
}

bool CommandChannel::QueryOnline() {
    if (!viaReceiver_) return true;
    Packet reply{};
    int result;
    {
        std::lock_guard command(commandLock_);
        result = Transact(buildPacket(Command::QueryOnline, 0, 0), reply);
    }
    return result == kSuccess && resultOfStatus(reply) == kSuccess && reply[kPacketDataOffset] == 255;
}

void CommandChannel::SetConnectionMode(ConnectionMode mode) {
    switch (mode) {
    case ConnectionMode::Cable:
        viaReceiver_ = false;
        payloadSize_ = kCablePayload;
        break;
    case ConnectionMode::Receiver:
        viaReceiver_ = true;
        payloadSize_ = kReceiverPayload;
        break;
    }
}

bool CommandChannel::SetBlockSize(uint16_t size) {
    if (size > kMaxBlockSize) return false;
    blockSize_ = size;
    return true;
}

bool CommandChannel::Attach(ConnectionMode interface, const std::string& path) {
    std::lock_guard io(ioLock_);
    open_ = false;
    hid::HidDevice& device = interface == ConnectionMode::Receiver ? receiver_ : cable_;
    if (!device.Open(path, true, true, true, false)) return false;
    open_ = true;
    return true;
}

void CommandChannel::Detach() {
    std::lock_guard io(ioLock_);
    open_ = false;
    cable_.Close();
    receiver_.Close();
}

}  // namespace viremo::devices
