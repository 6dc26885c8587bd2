#pragma once

// What every test program shares: notices that remember what the user would have been told, the
// program around a return document, a new return in it, and a folder of its own per test.

#include "Notices.h"
#include "Services.h"
#include "Settings.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace qv::test {

// Every question is answered "Cancel", which never discards anything.
class RecordingNotices : public Notices {
public:
    int Beeps = 0;
    std::vector<std::string> Errors;
    std::vector<std::string> Informations;
    std::vector<std::string> Questions;

    void Beep() override { ++Beeps; }
    void Error(std::string_view text) override { Errors.emplace_back(text); }
    void Information(std::string_view text) override { Informations.emplace_back(text); }
    Answer Question(std::string_view text, Buttons) override {
        Questions.emplace_back(text);
        return Answer::Cancel;
    }
};

// A data module, notices, settings and United States regional settings for one test.
struct TestEnv {
    Tdm dm;
    RecordingNotices notices;
    MemorySettings settings;
    Services services{dm, notices, settings, RegionalSettings::UnitedStates()};
};

// A new 2010 return in an environment of its own.
struct ReturnFixture : TestEnv {
    std::unique_ptr<Franchise> doc = std::make_unique<Franchise>(2010, services);

    ReturnRecord& Rec() { return doc->Record; }
};

// A fresh empty folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("qv_test_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    // The path of a file in the folder, as the program takes paths (UTF-8).
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Writes a file of these bytes into the folder; gives its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = File(name);
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

private:
    std::filesystem::path path_;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

} // namespace qv::test
