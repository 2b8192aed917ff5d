#pragma once
// The per-user stand-in for the Windows registry that holds the game's
// settings: keys that exist or not, typed values, and the registry's failures,
// kept in a small text file (see registry_text.h for its form).
//
// Every call reads the file afresh and every write replaces it atomically, so
// nothing is cached between calls and a crash never leaves it half written.
// Each write reads, changes and replaces the store under an exclusive lock on
// "<store>.lock", so writes from several processes never undo one another.
// A store file that exists but cannot be read (not a regular file, a link,
// larger than MaxFileBytes, unreadable) counts as a store that cannot be
// opened: keys do not open and writes fail, so it is never overwritten blind.

#include <filesystem>
#include <optional>
#include <string>

namespace tumbaro {

class Registry {
public:
    explicit Registry(std::filesystem::path storeFile);

    // "$XDG_CONFIG_HOME/tumbaro/registry", else "$HOME/.config/tumbaro/registry".
    static std::filesystem::path DefaultStoreFile();

    // Opens the key (a path such as "SOFTWARE\Vendor\Game", below an implied
    // HKEY_LOCAL_MACHINE) for reading and writing. Without canCreate it fails
    // when the key is absent; either way it fails when the store cannot be
    // written. With canCreate an absent key (and the store's folder) is created.
    // A failed open leaves no key open.
    bool OpenKey(const std::string& key, bool canCreate);
    // Opens an existing key for reading only, as KEY_READ does: a store that
    // can be read but not written still opens. Writes to it then fail.
    bool OpenKeyForReading(const std::string& key);
    void CloseKey();

    // Stores a string value in the open key; throws GameError
    // "Failed to set data for '<name>'" when no key is open or the store cannot
    // be written.
    void WriteString(const std::string& name, const std::string& value);
    // A string or expandable string value; "" when the value (or the open key)
    // is missing; throws GameError "Invalid data type for '<name>'" for a value
    // of any other type.
    std::string ReadString(const std::string& name);
    // Removes what writes killed part-way left beside the store before this
    // run started.
    void RemoveLeftovers() const;

private:
    void WriteValue(const std::string& name, std::string_view typeTag, const std::string& data);
    bool StoreWritable() const;

    std::filesystem::path storeFile_;
    std::optional<std::string> openKey_;
};

} // namespace tumbaro
