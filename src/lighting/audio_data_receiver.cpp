#include "lighting/audio_data_receiver.h"

namespace viremo {

void AudioDataReceiver::OnData(uint32_t kind, std::span<const uint8_t> block) {
    if (block.empty()) return;
    if (kind == uint32_t(companion::DataKind::Samples)) {
        if (const auto samples = companion::readSampleBlock(block)) {
            const auto levels = levels_.AddBlock(*samples);
            if (levels && handlers_.levels) handlers_.levels(*levels);
            return;
        }
    } else if (kind == uint32_t(companion::DataKind::Bands)) {
        if (const auto bands = companion::readBandBlock(block)) {
            if (handlers_.bands) handlers_.bands(*bands);
            return;
        }
    }
    companion::logDroppedBlock(kind, block.size());
}

}  // namespace viremo
