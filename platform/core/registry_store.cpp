#include "platform/core/registry_store.h"

namespace platform {

struct RegistryStore::Key {};

RegistryStore::RegistryStore(std::filesystem::path file) : m_file(std::move(file)), m_root(std::make_unique<Key>()) {}
RegistryStore::~RegistryStore() = default;
std::filesystem::path RegistryStore::DefaultFile(const std::filesystem::path& root) { return root; }
bool RegistryStore::Load() { return true; }
bool RegistryStore::Save() { return true; }
bool RegistryStore::KeyExists(std::string_view) const { return false; }
bool RegistryStore::CreateKey(std::string_view) { return false; }
bool RegistryStore::DeleteKey(std::string_view) { return false; }
std::vector<std::string> RegistryStore::SubKeys(std::string_view) const { return {}; }
std::vector<std::string> RegistryStore::ValueNames(std::string_view) const { return {}; }
void RegistryStore::SetString(std::string_view, std::string_view, std::string_view) {}
void RegistryStore::SetInteger(std::string_view, std::string_view, std::int32_t) {}
void RegistryStore::SetBinary(std::string_view, std::string_view, const Binary&) {}
bool RegistryStore::DeleteValue(std::string_view, std::string_view) { return false; }
std::optional<RegistryStore::Value> RegistryStore::ReadValue(std::string_view, std::string_view) const { return {}; }
std::optional<std::string> RegistryStore::ReadString(std::string_view, std::string_view) const { return {}; }
std::optional<std::int32_t> RegistryStore::ReadInteger(std::string_view, std::string_view) const { return {}; }
std::optional<RegistryStore::Binary> RegistryStore::ReadBinary(std::string_view, std::string_view) const { return {}; }

}  // namespace platform
