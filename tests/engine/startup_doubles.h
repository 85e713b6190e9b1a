#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/session/advice.h"
#include "engine/ports/help_viewer.h"
#include "engine/ports/startup_shell.h"
#include "engine/ports/table_globals.h"
#include "engine/ports/window_items.h"
#include "tests/support/media_doubles.h"

namespace engine_test {

// A main window whose items keep what the engine sets; every item starts enabled and
// visible, with the caption the test arranged (empty otherwise).
class RecordingWindowItems : public engine::IWindowItems {
public:
    std::string ItemCaption(std::string_view item) const override;
    void SetItemCaption(std::string_view item, std::string_view caption) override;
    bool IsItemEnabled(std::string_view item) const override;
    void SetItemEnabled(std::string_view item, bool enabled) override;
    void SetItemVisible(std::string_view item, bool visible) override;
    void SetItemGlyph(std::string_view item, std::string_view bitmapName) override;

    void ArrangeCaption(std::string_view item, std::string caption) { m_captions[std::string(item)] = std::move(caption); }
    bool IsVisible(std::string_view item) const;
    std::string Glyph(std::string_view item) const;
    // Every change in order, as "enabled tbNew 0", "visible tbStat 0", "caption mnuAbout ...".
    const std::vector<std::string>& Log() const { return m_log; }

private:
    std::map<std::string, std::string, std::less<>> m_captions;
    std::map<std::string, bool, std::less<>> m_enabled;
    std::map<std::string, bool, std::less<>> m_visible;
    std::map<std::string, std::string, std::less<>> m_glyphs;
    std::vector<std::string> m_log;
};

class RecordingStartupShell : public engine::IStartupShell {
public:
    void HideUnofferedCommands() override { m_log.push_back("hide unoffered"); }
    void SetApplicationTitle(std::string_view title) override { m_title = std::string(title); }
    void SetTableCursor(int cursorId) override { m_log.push_back("table cursor " + std::to_string(cursorId)); }
    void ApplyToolbar(bool large, bool flat) override;
    int ScreenColourCount() const override { return m_colours; }
    void SwitchAutoPlayOn() override { m_log.push_back("autoplay on"); }
    void InstallActivationHandler() override { m_log.push_back("activation handler"); }

    void ArrangeColourCount(int colours) { m_colours = colours; }
    const std::string& Title() const { return m_title; }
    const std::vector<std::string>& Log() const { return m_log; }

private:
    static constexpr int kTrueColour = 16'777'216;
    int m_colours = kTrueColour;
    std::string m_title;
    std::vector<std::string> m_log;
};

// Records the calls as "create", "free", "clear drag", "shadow 9", "size B".
class RecordingTableGlobals : public engine::ITableGlobals {
public:
    void CreateTableGlobals() override { m_log.push_back("create"); }
    void FreeTableGlobals() override { m_log.push_back("free"); }
    void ClearDragState() override { m_log.push_back("clear drag"); }
    void SetShadowOffset(int pixels) override { m_log.push_back("shadow " + std::to_string(pixels)); }
    void SetCardSize(std::string_view cardSize) override { m_log.push_back("size " + std::string(cardSize)); }

    const std::vector<std::string>& Log() const { return m_log; }

private:
    std::vector<std::string> m_log;
};

class RecordingHelpViewer : public engine::IHelpViewer {
public:
    std::string HelpFile() const override { return m_file; }
    void SetHelpFile(const std::string& file) override { m_file = file; }
    void ShowHelpContext(int context) override { m_contexts.push_back(context); }

private:
    std::string m_file;
    std::vector<int> m_contexts;
};

// Records the advice texts shown; the player never ticks the box.
class RecordingAdviceBox : public engine::IAdviceBox {
public:
    bool ShowAdvice(const std::string& text, int page) override;
    const std::vector<std::string>& Texts() const { return m_texts; }
    const std::vector<int>& Pages() const { return m_pages; }

private:
    std::vector<std::string> m_texts;
    std::vector<int> m_pages;
};

// A resource library in memory that opens only where its file lies, as the real one.
class FileBackedLibrary : public test_support::FakeResourceLibrary {
public:
    bool Open(const std::filesystem::path& path) override;
};

}  // namespace engine_test
