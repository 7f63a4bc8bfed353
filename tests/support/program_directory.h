// A private program directory for one test: a fresh temporary folder holding copies of the shipped
// CFG/, DWGS/, LIBS/ and help/ folders, removed when the object goes out of scope.
#pragma once

#include <string>

namespace testsupport {

class ProgramDirectory {
public:
    ProgramDirectory();
    ~ProgramDirectory();
    ProgramDirectory(const ProgramDirectory&) = delete;
    ProgramDirectory& operator=(const ProgramDirectory&) = delete;

    // The folder with a trailing '/', as the program keeps it.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& relative) const { return path_ + relative; }

    std::string ReadFile(const std::string& relative) const;
    void WriteFile(const std::string& relative, const std::string& contents) const;
    bool Exists(const std::string& relative) const;

private:
    std::string path_;
};

} // namespace testsupport
