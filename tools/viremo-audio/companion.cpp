#include "companion.h"

#include "platform/log.h"

namespace viremo::audio {

using companion::Command;

bool Companion::UseSource(const MakeSource& make) {
    source_ = make([this](std::span<const float> samples) { Consume(samples); });
    if (!source_) return false;
    maker_.emplace(source_->SampleRate(), [this](const companion::SampleBlock& samples, const companion::BandBlock& bands) {
        server_->SendSamples(samples);
        server_->SendBands(bands);
    });
    return true;
}

bool Companion::Listen(const std::filesystem::path& socket) {
    server_ = AudioCompanionServer::Listen(
        socket, {[this](Command command, int64_t argument) { OnCommand(command, argument); },
                 [](const companion::StyleColour& colour) {
                     log::linef("viremo-audio: style colour %d %d %d", colour.red, colour.green, colour.blue);
                 }});
    return server_ != nullptr;
}

void Companion::Run() { server_->Serve(quit_.get_token()); }

void Companion::OnCommand(Command command, int64_t argument) {
    log::linef("viremo-audio: command %u (%lld)", unsigned(command), static_cast<long long>(argument));
    switch (command) {
    case Command::Start:
        sending_ = true;
        source_->Start();
        break;
    case Command::Stop:
    case Command::Release:
        sending_ = false;
        source_->Stop();
        break;
    case Command::Reset: {
        source_->Rewind();
        std::lock_guard lock(making_);
        maker_->Reset();
        break;
    }
    case Command::Quit:
        Quit();
        break;
    case Command::Connect:
    case Command::Red:
    case Command::Green:
    case Command::Blue:
        break;
    }
}

void Companion::Consume(std::span<const float> samples) {
    if (!sending_) return;
    std::lock_guard lock(making_);
    maker_->Add(samples);
}

}  // namespace viremo::audio
