#pragma once
// An advisory lock on a device data folder, held across a whole
// read-modify-write of its files, so that the application and any number of
// viremoctl runs editing the same folder take turns instead of losing each
// other's changes.
//
// The lock is a `flock` on the file ".lock" in the folder. Within one process
// it is re-entrant for the thread that holds it (a store operation inside a
// command that already locked the folder) and excludes other threads. When
// the lock file cannot be made (a read-only folder) nothing can be written
// there either, and the lock is not held: readers go on without it.
#include <filesystem>
#include <memory>

namespace viremo {

class FolderLock {
public:
    static constexpr const char* kLockFileName = ".lock";

    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return held_; }

    struct Entry;

private:
    Entry* entry_ = nullptr;
    bool held_ = false;
};

}  // namespace viremo
