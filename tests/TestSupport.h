#pragma once

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

// A fresh folder under the system's temporary directory, removed with its contents.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("vellora-store-" + std::to_string(random()) + "-" + std::to_string(tick));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // A file name inside the folder as the UTF-8 bytes SQLite expects.
    std::string File(const std::string& name) const { return Utf8(path_ / name); }

    static std::string Utf8(const std::filesystem::path& path) {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    }

private:
    std::filesystem::path path_;
};

// Makes a folder the working directory for one scope.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& path) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingDirectory() { std::filesystem::current_path(previous_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// The message of the error that fn raises; empty if it raises none.
template <typename Fn>
std::string ErrorOf(Fn&& fn) {
    try {
        fn();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}
