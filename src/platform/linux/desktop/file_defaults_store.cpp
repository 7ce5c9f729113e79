#include "platform/linux/desktop/file_defaults_store.h"

#include <cstdio>
#include <string_view>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/xdg_paths.h"

namespace joyvane::linux_desktop {

namespace {

bool isValidKey(std::string_view key) {
    return !key.empty() && key.find_first_of("=\n\r") == std::string_view::npos;
}

}  // namespace

FileDefaultsStore::FileDefaultsStore() : FileDefaultsStore(configHome() / "joyvane" / "defaults") {}

FileDefaultsStore::FileDefaultsStore(std::filesystem::path file) : file_(std::move(file)) {
    removeLeftoverTemporaries(file_);
}

std::map<std::string, bool> FileDefaultsStore::load() const {
    std::map<std::string, bool> values;
    auto text = readWholeFile(file_);
    if (!text) {
        return values;
    }
    for (std::string_view rest = *text; !rest.empty();) {
        auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        auto equals = line.find('=');
        if (equals == std::string_view::npos || !isValidKey(line.substr(0, equals))) {
            continue;
        }
        std::string_view value = line.substr(equals + 1);
        if (value == "true" || value == "false") {
            values[std::string(line.substr(0, equals))] = value == "true";
        }
    }
    return values;
}

bool FileDefaultsStore::boolForKey(const std::string& key) const {
    auto values = load();
    auto it = values.find(key);
    return it != values.end() && it->second;
}

void FileDefaultsStore::setBool(const std::string& key, bool value) {
    if (!isValidKey(key)) {
        return;
    }
    auto values = load();
    values[key] = value;
    std::string text;
    for (const auto& [name, flag] : values) {
        text += name + (flag ? "=true\n" : "=false\n");
    }
    if (!writeFileAtomically(file_, text)) {
        std::fprintf(stderr, "joyvane: cannot store %s in %s; it will read as before at the next start.\n",
                     key.c_str(), file_.c_str());
        if (writeFailed_) {
            writeFailed_(key);
        }
    }
}

}  // namespace joyvane::linux_desktop
