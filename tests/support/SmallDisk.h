#pragma once

// A small file system (tmpfs) of a test's own, to see what a full disk does to the program.
// It is mounted where only the calling thread and the processes it starts see it, and goes
// with them. Mounting takes root's rights: without them mounted() is false.

#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

class SmallDisk {
public:
    explicit SmallDisk(std::filesystem::path folder, std::size_t bytes = 64 * 1024)
        : folder_(std::move(folder)) {
        std::filesystem::create_directories(folder_);
        const std::string size = "size=" + std::to_string(bytes);
        mounted_ = privateMounts() && ::mount("quorl-test", folder_.c_str(), "tmpfs",
                                              MS_NOSUID | MS_NODEV, size.c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }

    // Takes up every byte that is left, with a file named "filler".
    void fill() const {
        const int fd = ::open((folder_ / "filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        const std::vector<char> block(4096, 'f');
        while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
    }

private:
    // Once for each thread: mounts of its own, which reach neither the system nor the other
    // threads, and are gone when the process ends.
    static bool privateMounts() {
        thread_local const bool done =
            ::unshare(CLONE_NEWNS) == 0 &&
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return done;
    }

    std::filesystem::path folder_;
    bool mounted_ = false;
};
