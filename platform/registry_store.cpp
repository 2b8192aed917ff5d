#include "platform/registry_store.h"

#include "engine/game_error.h"
#include "files/file_lock.h"
#include "files/leftovers.h"
#include "files/new_file.h"
#include "files/read_file.h"
#include "platform/registry_text.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace tumbaro {

namespace {

// The store's text; "" for a store not yet written; nothing when the file is
// there but cannot be read.
std::optional<std::string> ReadStoreText(const std::filesystem::path& file)
{
    if (KindOf(file) == FileKind::Missing) return std::string();
    return ReadFileBytes(file);
}

std::optional<StoreContents> LoadStore(const std::filesystem::path& file)
{
    auto text = ReadStoreText(file);
    if (!text) return std::nullopt;
    return ParseStore(*text);
}

// The store's lock file, "<store>.lock" beside it, is held for the time of
// one read-modify-write, so that two windows changing two settings at once
// each write what the other wrote. Readers need no lock: the store is only
// ever replaced whole.
std::filesystem::path LockFileOf(const std::filesystem::path& storeFile)
{
    return storeFile.string() + ".lock";
}

constexpr mode_t LockFileMode = 0600;

std::filesystem::path HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return {};
}

std::string FailedToSet(const std::string& name)
{
    return "Failed to set data for '" + name + "'";
}

} // namespace

Registry::Registry(std::filesystem::path storeFile) : storeFile_(std::move(storeFile)) {}

std::filesystem::path Registry::DefaultStoreFile()
{
    // Relative XDG_CONFIG_HOME values are to be ignored by the convention.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (config != nullptr && std::filesystem::path(config).is_absolute()) {
        base = config;
    } else {
        base = HomeFolder() / ".config";
    }
    return base / "tumbaro" / "registry";
}

bool Registry::StoreWritable() const
{
    // The write goes through a temporary file beside the store, so the folder
    // must take new files; an existing store must be writable itself too, as a
    // read-only store file stands for a key without write access.
    // Missing write bits count even for root, who would pass access() anyway:
    // the player marked the store read-only and means it.
    auto writable = [](const std::filesystem::path& path, int mode) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0
            && ::access(path.c_str(), mode) == 0;
    };
    if (!writable(FolderOf(storeFile_), W_OK | X_OK)) return false;
    // A link where the store should be is never written through.
    const FileKind store = KindOf(storeFile_);
    return store == FileKind::Missing || (store == FileKind::Regular && writable(storeFile_, W_OK));
}

bool Registry::OpenKey(const std::string& key, bool canCreate)
{
    openKey_.reset();
    const auto path = NormaliseKeyPath(key);
    if (!path) return false;

    if (canCreate) {
        std::error_code ec;
        const auto folder = storeFile_.parent_path();
        if (!folder.empty()) std::filesystem::create_directories(folder, ec);
        if (ec) return false;
    }
    if (!StoreWritable()) return false;
    const auto hasKey = [&path](const StoreContents& store) { return store.keys.find(*path) != store.keys.end(); };
    const auto seen = LoadStore(storeFile_);
    if (!seen) return false;
    if (!hasKey(*seen)) {
        if (!canCreate) return false;
        const FileLock lock(LockFileOf(storeFile_), LockFileMode);
        auto store = LoadStore(storeFile_); // afresh: another window may have written meanwhile
        if (!lock.Held() || !store) return false;
        if (!hasKey(*store)) {
            store->keys[*path];
            if (!ReplaceFile(storeFile_, FormatStore(*store))) return false;
        }
    }
    openKey_ = *path;
    return true;
}

bool Registry::OpenKeyForReading(const std::string& key)
{
    openKey_.reset();
    const auto path = NormaliseKeyPath(key);
    if (!path) return false;
    const auto store = LoadStore(storeFile_);
    if (!store || store->keys.find(*path) == store->keys.end()) return false;
    openKey_ = *path;
    return true;
}

void Registry::CloseKey()
{
    openKey_.reset();
}

void Registry::WriteValue(const std::string& name, std::string_view typeTag, const std::string& data)
{
    if (!openKey_ || !StoreWritable()) throw GameError(FailedToSet(name));
    const FileLock lock(LockFileOf(storeFile_), LockFileMode);
    auto store = LoadStore(storeFile_);
    if (!lock.Held() || !store) throw GameError(FailedToSet(name));
    (*store).keys[*openKey_][name] = StoredValue{std::string(typeTag), data};
    if (!ReplaceFile(storeFile_, FormatStore(*store))) throw GameError(FailedToSet(name));
}

void Registry::WriteString(const std::string& name, const std::string& value)
{
    WriteValue(name, StringTag, value);
}

std::string Registry::ReadString(const std::string& name)
{
    if (!openKey_) return {};
    const auto store = LoadStore(storeFile_);
    if (!store) return {};
    const auto key = store->keys.find(*openKey_);
    if (key == store->keys.end()) return {};
    const auto value = key->second.find(name);
    if (value == key->second.end()) return {};
    switch (value->second.Type()) {
    case ValueType::String:
    case ValueType::ExpandString: return value->second.data;
    case ValueType::Integer:
    case ValueType::Other: break;
    }
    throw GameError("Invalid data type for '" + name + "'");
}

void Registry::RemoveLeftovers() const
{
    tumbaro::RemoveLeftovers(storeFile_);
}

} // namespace tumbaro
