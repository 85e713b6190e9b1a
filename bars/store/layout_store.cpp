#include "bars/store/layout_store.h"

#include "bars/customize/customizing_site.h"
#include "bars/manager/bar_manager.h"
#include "bars/store/ini_layout.h"
#include "bars/store/layout_names.h"
#include "bars/store/registry_layout.h"
#include "platform/core/messages.h"

#include <QBuffer>
#include <QImageReader>
#include <QWidget>

#include <exception>

namespace bars {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kStartAsDesigned = " The toolbars and menus start as designed.";
constexpr std::string_view kNotSaved = "The toolbar and menu layout could not be saved.";

fs::path& RegistryFileSlot() {
    static fs::path file;
    return file;
}

bool HasKeyParts(const std::string& path) { return path.find_first_not_of('\\') != std::string::npos; }

void TellUser(const std::string& text) { CustomizingMessages().ShowError(ApplicationTitle(), text); }

bool HoldsLayout(const LayoutMedium& medium) {
    return medium.ReadInteger(medium.MainContainer(), layout_names::kBarCount).has_value();
}

// Each answers whether the store held a layout of the manager, which was then read.
bool ReadRegistry(TcbBarManager& manager, const std::string& path) {
    if (path.empty() || !HasKeyParts(path)) return false;
    platform::RegistryStore store(LayoutRegistryFile());
    if (!store.Load()) {
        TellUser(store.Error() + std::string(kStartAsDesigned));
        return false;
    }
    RegistryLayout medium(store, NormalizedRegistryPath(path));
    if (!store.KeyExists(medium.MainContainer())) return false;
    ReadLayout(manager, medium);
    return HoldsLayout(medium);
}

bool ReadIniFile(TcbBarManager& manager, const std::string& fileName) {
    if (fileName.empty()) return false;
    const IniLayout medium(fs::path(fileName), IniSectionPrefix(manager));
    if (!medium.ReadError().empty()) {
        TellUser("The layout file " + fileName + " could not be read (" + medium.ReadError() + ")." +
                 std::string(kStartAsDesigned));
        return false;
    }
    ReadLayout(manager, medium);
    return HoldsLayout(medium);
}

void AddReason(std::string& why, const std::string& reason) { why += (why.empty() ? "" : "\n") + reason; }

}  // namespace

void SetLayoutRegistryFile(const fs::path& file) { RegistryFileSlot() = file; }

fs::path LayoutRegistryFile() {
    return RegistryFileSlot().empty() ? platform::RegistryStore::DefaultFile() : RegistryFileSlot();
}

std::string NormalizedRegistryPath(const std::string& path) {
    std::string normal = path;
    if (normal.empty() || normal.front() != '\\') normal.insert(normal.begin(), '\\');
    if (normal.size() > 1 && normal.back() == '\\') normal.pop_back();
    return normal;
}

std::string IniSectionPrefix(const TcbBarManager& manager) {
    const QWidget* form = manager.OwnerForm();
    const std::string formName = form ? form->objectName().toStdString() : std::string();
    return formName + '.' + manager.Name() + '.';
}

bool SaveToRegistry(TcbBarManager& manager, const std::string& path) {
    std::string why;
    return SaveToRegistry(manager, path, why);
}

bool SaveToRegistry(TcbBarManager& manager, const std::string& path, std::string& why) {
    if (path.empty() || !HasKeyParts(path)) return false;
    platform::RegistryStore store(LayoutRegistryFile());
    // A store that cannot be read is left for the user to see rather than overwritten.
    if (!store.Load()) {
        why = store.Error();
        return false;
    }
    RegistryLayout medium(store, NormalizedRegistryPath(path));
    store.CreateKey(medium.MainContainer());
    medium.DeleteOldArrangement();
    WriteLayout(manager, medium);
    if (!store.Save()) {
        why = store.Error();
        return false;
    }
    return true;
}

void LoadFromRegistry(TcbBarManager& manager, const std::string& path) { ReadRegistry(manager, path); }

bool SaveToIniFile(TcbBarManager& manager, const std::string& fileName) {
    std::string why;
    return SaveToIniFile(manager, fileName, why);
}

bool SaveToIniFile(TcbBarManager& manager, const std::string& fileName, std::string& why) {
    if (fileName.empty()) return false;
    IniLayout medium(fs::path(fileName), IniSectionPrefix(manager));
    WriteLayout(manager, medium);
    if (!medium.Commit()) {
        why = "The layout file " + fileName + " could not be written (" + medium.WriteError() + ").";
        return false;
    }
    return true;
}

void LoadFromIniFile(TcbBarManager& manager, const std::string& fileName) { ReadIniFile(manager, fileName); }

bool ReadLayoutStores(TcbBarManager& manager) {
    bool read = false;
    if (manager.StoreInRegistry()) read = ReadRegistry(manager, manager.RegistryPath()) || read;
    if (manager.StoreInIniFile()) read = ReadIniFile(manager, manager.IniFileName()) || read;
    return read;
}

bool WriteLayoutStores(TcbBarManager& manager) noexcept {
    std::string why;
    return WriteLayoutStores(manager, why);
}

bool WriteLayoutStores(TcbBarManager& manager, std::string& why) noexcept {
    // An empty path or file name keeps no store: nothing to write, nothing failed.
    const auto write = [&](bool registry) {
        const std::string& where = registry ? manager.RegistryPath() : manager.IniFileName();
        if (where.empty()) return true;
        std::string reason;
        try {
            if (registry ? SaveToRegistry(manager, where, reason) : SaveToIniFile(manager, where, reason)) return true;
        } catch (const std::exception& error) {
            reason = error.what();
        } catch (...) {
            reason = "An unexpected error stopped the writing.";
        }
        AddReason(why, reason.empty() ? "The store " + where + " could not be written." : reason);
        return false;
    };
    bool written = true;
    if (manager.StoreInRegistry()) written = write(true) && written;
    if (manager.StoreInIniFile()) written = write(false) && written;
    return written;
}

void WriteLayoutStoresAsFormGoes(TcbBarManager& manager) noexcept {
    std::string why;
    if (WriteLayoutStores(manager, why)) return;
    try {
        TellUser(std::string(kNotSaved) + "\n" + why);
    } catch (...) {
        // Telling is all that is left to do; the form goes either way.
    }
}

std::string EncodeUserGlyph(const platform::Bitmap& glyph) {
    if (glyph.IsEmpty()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    glyph.Image().save(&buffer, "PNG");
    return bytes.toStdString();
}

std::optional<platform::Bitmap> DecodeUserGlyph(const std::string& data) {
    if (data.empty() || data.size() > kMaxGlyphBytes) return std::nullopt;
    QByteArray bytes = QByteArray::fromStdString(data);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The size is asked before anything is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxGlyphSide || size.height() > kMaxGlyphSide) return std::nullopt;
    QImage image;
    if (!reader.read(&image)) return std::nullopt;
    return platform::Bitmap(image);
}

}  // namespace bars
