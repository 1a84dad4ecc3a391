#pragma once
// Makes a folder refuse new files for as long as the object lives, also when the tests run as
// root: the folder loses its write permission, and the calling thread gives up the capability
// that lets root write where the permissions say no. The thread keeps the capability in its
// permitted set, so it takes it back at the end.

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace velmora::testing {

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
        previous_ = std::filesystem::status(folder_).permissions();
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                  std::filesystem::perms::group_read |
                                                  std::filesystem::perms::group_exec);
        if (geteuid() == 0) dropped_ = SetPermissionOverride(false);
    }
    ~ReadOnlyFolder() {
        if (dropped_) SetPermissionOverride(true);
        std::error_code ignored;
        std::filesystem::permissions(folder_, previous_, ignored);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // True when a new file really cannot be made in the folder (tried, not guessed from access()).
    bool Refuses() const {
        const std::filesystem::path probe = folder_ / ".write-probe";
        const int fd = ::open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
        if (fd < 0) return true;
        ::close(fd);
        ::unlink(probe.c_str());
        return false;
    }

private:
    static bool SetPermissionOverride(bool on) {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0) return false;
        const auto bit = 1u << CAP_DAC_OVERRIDE;
        if (on) data[0].effective |= bit; else data[0].effective &= ~bit;
        return syscall(SYS_capset, &header, data) == 0;
    }

    std::filesystem::path folder_;
    std::filesystem::perms previous_{};
    bool dropped_ = false;
};

}  // namespace velmora::testing
