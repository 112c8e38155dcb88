// The fuzzers hand their input to the readers through a file of their own,
// made once per process and removed at its end.
#ifndef VANTOREL_FUZZ_SCRATCHFILE_H
#define VANTOREL_FUZZ_SCRATCHFILE_H

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

class ScratchFile
{
public:
    explicit ScratchFile(const char* suffix)
    {
        std::string name = "/tmp/trazel-fuzz-XXXXXX";
        name += suffix;
        const int fd = ::mkstemps(name.data(), static_cast<int>(std::string(suffix).size()));
        if (fd < 0)
            std::abort();
        ::close(fd);
        path_ = name;
    }
    ~ScratchFile() { ::unlink(path_.c_str()); }

    const std::string& path() const { return path_; }

    void write(const std::uint8_t* data, std::size_t size) const
    {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (!f || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0)
            std::abort();
    }

    std::string read() const
    {
        std::string text;
        std::FILE* f = std::fopen(path_.c_str(), "rb");
        if (!f)
            std::abort();
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            text.append(buffer, n);
        std::fclose(f);
        return text;
    }

private:
    std::string path_;
};

#endif  // VANTOREL_FUZZ_SCRATCHFILE_H
