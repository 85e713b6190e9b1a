#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

// A tree of keys holding named values (strings, integers, binary data), kept in one file.
// Key paths are separated by backslashes ("Software\Corvanet\Bars"); key and value names
// are matched without regard to case and keep the spelling they were created with. The
// empty value name is the key's default value.
class RegistryStore {
public:
    using Binary = std::vector<std::uint8_t>;
    using Value = std::variant<std::string, std::int32_t, Binary>;

    // An empty tree that loads from and saves to the file.
    explicit RegistryStore(std::filesystem::path file);
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // The store's file under the user's configuration folder ($XDG_CONFIG_HOME, else
    // ~/.config), or under the given root when one is given (tests).
    static std::filesystem::path DefaultFile(const std::filesystem::path& root = {});

    const std::filesystem::path& File() const { return m_file; }

    // Reads the file. A missing file (or a link to none) is an empty tree and no error. A
    // damaged file, or one that cannot be read (a folder, a loop of links, no permission, a
    // FIFO), leaves an empty tree and returns false with the reason in Error(); the file
    // itself is not touched.
    bool Load();
    // Writes the whole tree through a temporary file and a rename; false (with Error()) when
    // it could not be written, the old file then left as it was.
    bool Save();
    const std::string& Error() const { return m_error; }

    bool KeyExists(std::string_view path) const;
    // Creates the key and every missing key above it; false for an empty path.
    bool CreateKey(std::string_view path);
    // Removes the key with everything below it; false when it does not exist.
    bool DeleteKey(std::string_view path);
    std::vector<std::string> SubKeys(std::string_view path) const;
    std::vector<std::string> ValueNames(std::string_view path) const;

    // Setting a value creates its key.
    void SetString(std::string_view path, std::string_view name, std::string_view value);
    void SetInteger(std::string_view path, std::string_view name, std::int32_t value);
    void SetBinary(std::string_view path, std::string_view name, const Binary& value);
    bool DeleteValue(std::string_view path, std::string_view name);

    std::optional<Value> ReadValue(std::string_view path, std::string_view name) const;
    // Nothing when the value is missing or of another type.
    std::optional<std::string> ReadString(std::string_view path, std::string_view name) const;
    std::optional<std::int32_t> ReadInteger(std::string_view path, std::string_view name) const;
    std::optional<Binary> ReadBinary(std::string_view path, std::string_view name) const;

    struct Key;

private:
    Key* Find(std::string_view path) const;
    Key* Make(std::string_view path);
    void SetValue(std::string_view path, std::string_view name, Value value);

    std::filesystem::path m_file;
    std::unique_ptr<Key> m_root;
    std::string m_error;
};

}  // namespace platform
