// A named pipe that nobody writes to, for readers that must refuse it
// without waiting: one that waits is let go and reported, so that the fault
// fails its test instead of hanging the suite.
#ifndef VANTOREL_TESTS_NAMEDPIPE_H
#define VANTOREL_TESTS_NAMEDPIPE_H

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>

class NamedPipe
{
public:
    explicit NamedPipe(std::string path) : path_(std::move(path))
    {
        created_ = ::mkfifo(path_.c_str(), 0600) == 0;
    }
    ~NamedPipe() { ::unlink(path_.c_str()); }

    bool created() const { return created_; }
    const std::string& path() const { return path_; }
    bool isStillAPipe() const
    {
        struct stat st;
        return ::lstat(path_.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
    }

    // Runs `read`; false when it was still waiting after a generous while
    // and had to be let go by a writer that came and went.
    bool returnsWithoutAWriter(const std::function<void()>& read) const
    {
        auto done = std::async(std::launch::async, read);
        if (done.wait_for(std::chrono::seconds(30)) == std::future_status::ready)
            return true;
        while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
            const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
        return false;
    }

private:
    std::string path_;
    bool created_ = false;
};

#endif  // VANTOREL_TESTS_NAMEDPIPE_H
