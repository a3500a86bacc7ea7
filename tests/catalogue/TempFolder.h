#pragma once

// A folder of its own for one test, removed with everything in it when the test ends.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

class TTempFolder {
public:
    TTempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessel-catalogue-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path = pattern;
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::string& Path() const { return path; }
    std::string operator/(std::string_view relative) const { return path + "/" + std::string(relative); }

    // Writes the file below the folder, creating the folders on its way; returns its full path.
    std::string Write(std::string_view relative, std::string_view content) const {
        const std::filesystem::path file = std::filesystem::path(path) / std::string(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out)
            throw std::runtime_error("cannot write " + file.string());
        return file.string();
    }

    std::string MakeFolder(std::string_view relative) const {
        const std::filesystem::path folder = std::filesystem::path(path) / std::string(relative);
        std::filesystem::create_directories(folder);
        return folder.string();
    }

private:
    std::string path;
};
