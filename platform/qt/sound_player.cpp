#include "platform/qt/sound_player.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdint>
#include <functional>

namespace platform {

namespace {

constexpr std::string_view kRiff = "RIFF";
constexpr std::string_view kWave = "WAVE";
constexpr std::string_view kFormatChunk = "fmt ";
constexpr std::string_view kDataChunk = "data";
constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kByteRateOffset = 8;  // inside the format chunk
constexpr int kMillisecondsPerSecond = 1000;
// A synchronous sound that does not report its end is given up after twice its length and
// this much more (audio servers report the end late: their buffers are still playing).
constexpr int kSyncGraceMs = 1000;

std::uint32_t U32(std::string_view data, std::size_t offset) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(data[offset])) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(data[offset + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(data[offset + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(data[offset + 3])) << 24;
}

}  // namespace

std::optional<int> WaveDurationMilliseconds(std::string_view data) {
    if (data.size() < kRiffHeaderSize || data.substr(0, 4) != kRiff || data.substr(8, 4) != kWave) return std::nullopt;
    std::uint32_t byteRate = 0;
    std::optional<std::uint64_t> dataSize;
    std::size_t offset = kRiffHeaderSize;
    while (offset + kChunkHeaderSize <= data.size()) {
        const std::string_view id = data.substr(offset, 4);
        const std::uint64_t size = U32(data, offset + 4);
        const std::size_t body = offset + kChunkHeaderSize;
        if (id == kFormatChunk && size >= kByteRateOffset + 4 && body + kByteRateOffset + 4 <= data.size())
            byteRate = U32(data, body + kByteRateOffset);
        else if (id == kDataChunk)
            dataSize = std::min<std::uint64_t>(size, data.size() - body);  // a cut file plays what it holds
        // Chunks are padded to an even length.
        const std::uint64_t next = body + size + (size & 1);
        if (next > data.size()) break;
        offset = static_cast<std::size_t>(next);
    }
    if (byteRate == 0 || !dataSize) return std::nullopt;
    return static_cast<int>(*dataSize * kMillisecondsPerSecond / byteRate);
}

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer() {
    Stop();
    m_effects.clear();  // before the files they play are removed
}

bool SoundPlayer::HasAudioDevice() { return !QMediaDevices::audioOutputs().isEmpty(); }

QSoundEffect* SoundPlayer::EffectFor(std::string_view waveData) {
    const std::size_t key = std::hash<std::string_view>{}(waveData) ^ waveData.size();
    if (auto found = m_effects.find(key); found != m_effects.end()) return found->second.get();
    if (!m_folder) {
        m_folder = std::make_unique<QTemporaryDir>();
        if (!m_folder->isValid()) {
            m_folder.reset();
            return nullptr;
        }
    }
    const QString path = m_folder->filePath(QStringLiteral("%1.wav").arg(m_effects.size()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(waveData.data(), static_cast<qint64>(waveData.size())) != static_cast<qint64>(waveData.size()))
        return nullptr;
    file.close();
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(path));
    return m_effects.emplace(key, std::move(effect)).first->second.get();
}

void SoundPlayer::Play(std::string_view waveData, SoundMode mode) {
    Stop();
    const std::optional<int> duration = WaveDurationMilliseconds(waveData);
    if (!duration || !HasAudioDevice()) return;
    QSoundEffect* effect = EffectFor(waveData);
    if (effect == nullptr) return;
    effect->setLoopCount(mode == SoundMode::Looping ? QSoundEffect::Infinite : 1);
    effect->play();
    m_current = effect;
    if (mode == SoundMode::Synchronous) WaitUntilEnded(*effect, *duration);
}

void SoundPlayer::WaitUntilEnded(QSoundEffect& effect, int durationMs) {
    // The sound needs the event loop to load and to report its end; the player's input
    // waits, as it would while the program is busy.
    QEventLoop loop;
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying()) loop.quit();
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error) loop.quit();
    });
    QTimer::singleShot(2 * durationMs + kSyncGraceMs, &loop, &QEventLoop::quit);
    if (effect.status() != QSoundEffect::Error) loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool SoundPlayer::IsPlaying() const {
    return m_current != nullptr && (m_current->isPlaying() || m_current->status() == QSoundEffect::Loading);
}

void SoundPlayer::Stop() {
    if (m_current != nullptr) m_current->stop();
    m_current = nullptr;
}

}  // namespace platform
