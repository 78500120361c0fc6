#include "platform/folder_lock.h"

#include <fcntl.h>
#include <map>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <unistd.h>

#include "platform/log.h"

namespace viremo {

// One per folder for the life of the process: the thread that owns `mutex`
// owns the folder; the first level of that ownership holds the `flock`.
struct FolderLock::Entry {
    std::recursive_mutex mutex;
    int depth = 0;
    int fd = -1;
};

namespace {

FolderLock::Entry& entryFor(const std::filesystem::path& folder) {
    static std::mutex registryMutex;
    static std::map<std::string, std::unique_ptr<FolderLock::Entry>> registry;
    std::error_code error;
    auto key = std::filesystem::weakly_canonical(folder, error);
    if (error) key = std::filesystem::absolute(folder, error).lexically_normal();
    std::lock_guard lock(registryMutex);
    auto& entry = registry[key.string()];
    if (!entry) entry = std::make_unique<FolderLock::Entry>();
    return *entry;
}

int lockFile(const std::filesystem::path& folder) {
    const auto file = folder / FolderLock::kLockFileName;
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return -1;
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& folder) : entry_(&entryFor(folder)) {
    entry_->mutex.lock();
    if (entry_->depth == 0) {
        entry_->fd = lockFile(folder);
        if (entry_->fd < 0) log::line("no lock on " + folder.string() + ": the lock file cannot be made");
    }
    ++entry_->depth;
    held_ = entry_->fd >= 0;
}

FolderLock::~FolderLock() {
    if (--entry_->depth == 0 && entry_->fd >= 0) {
        ::close(entry_->fd);  // releases the flock
        entry_->fd = -1;
    }
    entry_->mutex.unlock();
}

}  // namespace viremo
