#pragma once

#include "platform/core/cursor_table.h"
#include "platform/core/font_catalog.h"
#include "platform/core/resource_library.h"
#include "platform/core/sound.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

// One call to the sound player.
struct SoundEvent {
    enum class Kind { Play, Stop };
    Kind kind = Kind::Play;
    std::string data;  // the WAVE data played
    platform::SoundMode mode = platform::SoundMode::Asynchronous;
};

class RecordingSoundPlayer : public platform::ISoundPlayer {
public:
    void Play(std::string_view waveData, platform::SoundMode mode) override;
    void Stop() override;

    const std::vector<SoundEvent>& Events() const { return m_events; }
    std::size_t PlayCount() const;
    void Clear() { m_events.clear(); }

private:
    std::vector<SoundEvent> m_events;
};

// A resource library held in memory. Names match without regard to case, as in the real
// one; a closed library gives nothing. Open succeeds unless told otherwise.
class FakeResourceLibrary : public platform::IResourceLibrary {
public:
    bool Open(const std::filesystem::path& path) override;
    void Close() override { m_open = false; }
    bool IsOpen() const override { return m_open; }
    std::string Problem() const override { return m_open ? std::string() : m_problem; }

    bool HasBitmap(std::string_view name) const override { return !BitmapData(name).empty(); }
    std::string BitmapData(std::string_view name) const override {
        m_bitmapReads.emplace_back(name);
        return Find(m_bitmaps, name);
    }
    std::string WaveData(std::string_view name) const override { return Find(m_waves, name); }
    std::string CursorData(std::string_view name) const override { return Find(m_cursors, name); }

    void AddBitmap(std::string_view name, std::string data) { m_bitmaps[Key(name)] = std::move(data); }
    void AddWave(std::string_view name, std::string data) { m_waves[Key(name)] = std::move(data); }
    void AddCursor(std::string_view name, std::string data) { m_cursors[Key(name)] = std::move(data); }
    void SetOpenResult(bool result) { m_openResult = result; }
    // Why an open that fails failed.
    void SetOpenProblem(std::string problem) { m_problem = std::move(problem); }
    const std::vector<std::filesystem::path>& OpenedPaths() const { return m_openedPaths; }
    // The names of the bitmaps asked for, in order.
    const std::vector<std::string>& BitmapReads() const { return m_bitmapReads; }

private:
    using Entries = std::map<std::string, std::string>;
    static std::string Key(std::string_view name);
    std::string Find(const Entries& entries, std::string_view name) const;

    Entries m_bitmaps, m_waves, m_cursors;
    bool m_open = true;
    bool m_openResult = true;
    std::string m_problem;
    std::vector<std::filesystem::path> m_openedPaths;
    mutable std::vector<std::string> m_bitmapReads;
};

// Records which library cursor became which number.
class RecordingCursorTable : public platform::ICursorTable {
public:
    bool LoadCursor(int id, const platform::IResourceLibrary& library, std::string_view name) override;

    // Number -> resource name, for the cursors the library held.
    const std::map<int, std::string>& Loaded() const { return m_loaded; }

private:
    std::map<int, std::string> m_loaded;
};

class FakeFontCatalog : public platform::IFontCatalog {
public:
    explicit FakeFontCatalog(std::vector<std::string> families = {}) : m_families(std::move(families)) {}
    std::vector<std::string> FontFamilies() const override { return m_families; }

private:
    std::vector<std::string> m_families;
};

}  // namespace test_support
