#include "bars/store/layout_store.h"

#include "bars/hooks/owner_form.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/quick_control.h"
#include "bars/store/ini_layout.h"
#include "bars/store/registry_layout.h"

#include <QBuffer>
#include <QImageReader>
#include <QPointer>
#include <QWidget>


namespace bars {

namespace fs = std::filesystem;

namespace {

fs::path& RegistryFileSlot() {
    static fs::path file;
    return file;
}

bool HasKeyParts(const std::string& path) { return path.find_first_not_of('\\') != std::string::npos; }

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
    if (path.empty() || !HasKeyParts(path)) return false;
    platform::RegistryStore store(LayoutRegistryFile());
    // A damaged store is left for the user to see rather than overwritten.
    if (!store.Load()) return false;
    RegistryLayout medium(store, NormalizedRegistryPath(path));
    store.CreateKey(medium.MainContainer());
    medium.DeleteOldArrangement();
    WriteLayout(manager, medium);
    return store.Save();
}

void LoadFromRegistry(TcbBarManager& manager, const std::string& path) {
    if (path.empty() || !HasKeyParts(path)) return;
    platform::RegistryStore store(LayoutRegistryFile());
    RegistryLayout medium(store, NormalizedRegistryPath(path));
    if (!store.Load() || !store.KeyExists(medium.MainContainer())) return;
    ReadLayout(manager, medium);
}

bool SaveToIniFile(TcbBarManager& manager, const std::string& fileName) {
    if (fileName.empty()) return false;
    IniLayout medium(fs::path(fileName), IniSectionPrefix(manager));
    WriteLayout(manager, medium);
    return medium.Commit();
}

void LoadFromIniFile(TcbBarManager& manager, const std::string& fileName) {
    if (fileName.empty()) return;
    ReadLayout(manager, IniLayout(fs::path(fileName), IniSectionPrefix(manager)));
}

void ReadLayoutStores(TcbBarManager& manager) {
    if (manager.StoreInRegistry()) LoadFromRegistry(manager, manager.RegistryPath());
    if (manager.StoreInIniFile()) LoadFromIniFile(manager, manager.IniFileName());
}

bool WriteLayoutStore(TcbBarManager& manager, bool registry) noexcept {
    try {
        return registry ? SaveToRegistry(manager, manager.RegistryPath()) : SaveToIniFile(manager, manager.IniFileName());
    } catch (...) {
        return false;
    }
}

bool WriteLayoutStores(TcbBarManager& manager) noexcept {
    bool written = true;
    if (manager.StoreInRegistry()) written = WriteLayoutStore(manager, true) && written;
    if (manager.StoreInIniFile()) written = WriteLayoutStore(manager, false) && written;
    return written;
}

void WriteLayoutStoresWithForm(TcbBarManager& manager) {
    // The owner-form step writes on the form's destruction message; a form that never
    // showed gets no such message, so its end is watched here too. One mark keeps it once.
    constexpr const char* kWritten = "corvanetLayoutStoreWritten";
    constexpr const char* kWatched = "corvanetLayoutStoreWatched";
    SetLayoutStoreWriter([](TcbBarManager& target, bool registry) { WriteLayoutStore(target, registry); });
    QWidget* form = manager.OwnerForm();
    if (!form || manager.property(kWatched).toBool()) return;
    manager.setProperty(kWatched, true);
    // The form tells of its end before its children (the manager among them) go.
    QPointer<TcbBarManager> alive(&manager);
    QObject::connect(form, &QObject::destroyed, &manager, [alive] {
        if (!alive || alive->IsDesigning() || alive->property(kWritten).toBool()) return;
        alive->setProperty(kWritten, true);
        // Its private bar must not be stored with the others.
        CloseQuickControlOf(*alive);
        WriteLayoutStores(*alive);
    });
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
