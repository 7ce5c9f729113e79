#include "platform/linux/desktop/program_path.h"

#include <string_view>
#include <system_error>

namespace joyvane::linux_desktop {

namespace fs = std::filesystem;

fs::path programPath(const fs::path& installed, const fs::path& selfLink) {
    std::error_code error;
    if (!installed.empty() && fs::is_regular_file(installed, error)) {
        return installed;
    }
    std::string self = fs::read_symlink(selfLink, error).string();
    if (error || self.empty()) {
        return "joyvane";
    }
    constexpr std::string_view kDeleted = " (deleted)";
    if (self.ends_with(kDeleted)) {
        self.resize(self.size() - kDeleted.size());
    }
    return self;
}

fs::path programPath() {
#ifdef JOYVANE_INSTALLED_PROGRAM
    return programPath(JOYVANE_INSTALLED_PROGRAM);
#else
    return programPath({});
#endif
}

}  // namespace joyvane::linux_desktop
